# What the project's own targets are built with, as one interface target that
# grimlark_core passes on to everything linking it, rather than flags for whole
# directories, which would also reach code built alongside (GoogleTest).
# Warnings become errors with CMAKE_COMPILE_WARNING_AS_ERROR (every CI build).
add_library(grimlark_build_options INTERFACE)

if(MSVC)
  target_compile_options(grimlark_build_options INTERFACE /W4)
else()
  # Beyond -Wall -Wextra: shadowed names, every implicit conversion that can
  # change a value or its sign, C casts, and the class hierarchy's two traps.
  target_compile_options(grimlark_build_options INTERFACE -Wall -Wextra -Wpedantic
                         -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
                         -Wnon-virtual-dtor -Woverloaded-virtual)
endif()

# The platform's usual hardening for the optimised builds that are shipped (the
# release and the package), as Debian builds its own packages.
if(NOT WIN32 AND NOT MSVC AND NOT GRIMLARK_SANITIZE AND NOT GRIMLARK_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
  include(CheckCXXCompilerFlag)
  target_compile_options(grimlark_build_options INTERFACE
                         -fstack-protector-strong -Wformat -Werror=format-security
                         -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
  check_cxx_compiler_flag(-fcf-protection GRIMLARK_HAVE_CF_PROTECTION)
  if(GRIMLARK_HAVE_CF_PROTECTION)
    target_compile_options(grimlark_build_options INTERFACE -fcf-protection)
  endif()
  # A stack that grows past its guard page in one step is caught (newer Debian
  # builds use it throughout).
  check_cxx_compiler_flag(-fstack-clash-protection GRIMLARK_HAVE_STACK_CLASH_PROTECTION)
  if(GRIMLARK_HAVE_STACK_CLASH_PROTECTION)
    target_compile_options(grimlark_build_options INTERFACE -fstack-clash-protection)
  endif()
  target_link_options(grimlark_build_options INTERFACE -Wl,-z,relro,-z,now)
endif()

if(GRIMLARK_SANITIZE OR GRIMLARK_FUZZ)
  target_compile_options(grimlark_build_options INTERFACE -fsanitize=address,undefined
                         -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(grimlark_build_options INTERFACE -fsanitize=address,undefined)
endif()
