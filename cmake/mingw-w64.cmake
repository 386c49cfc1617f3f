# Cross-compiling for 64-bit Windows with Debian's mingw-w64, posix-threads
# variant (Qt needs std::thread). GRIMLARK_WINDOWS_QT names a Windows Qt 6 built
# by tools/build-windows-qt.sh; Qt's host tools (moc, uic) come from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(GRIMLARK_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${GRIMLARK_WINDOWS_QT})
  set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
  execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
                  OUTPUT_VARIABLE host_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake CACHE PATH "Qt's host CMake packages")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
