# Quick start: `make run` starts the editor, `make test` runs every test.
# Both install what is missing (Debian/Ubuntu), configure and build first.

# Each build folder is one of CMakePresets.json's presets: `make X` and
# `cmake --preset X` make the same build. CMAKE_FLAGS adds cache settings.
BUILD_DIR = build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test realdata realdata-check realdata-save shellcheck bench fuzz sanitize package package-check package-fresh-check windows windows-test windows-package windows-check format format-check tidy clazy include-check clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@cmake --preset default $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

# Builds only the program, not the test suites, before starting it.
run: configure
	@cmake --build --preset run -j $(JOBS)
	./$(BUILD_DIR)/app/grimlark

# The SQL statements are checked against a real MariaDB server that the test
# starts and removes itself.
# `cmake --workflow --preset default` is the same configure, build and test.
test: configure
	@sh tools/install-deps.sh mariadb-server mariadb-client
	CMAKE_BUILD_PARALLEL_LEVEL=$(JOBS) CTEST_PARALLEL_LEVEL=$(JOBS) \
	  cmake --workflow --preset default

# The real-files report: every file of DATA_DIR read, loaded and generated back
# through the editor's own path (see tools/realdata/RealData.cpp).
DATA_DIR ?= ../shared/data
realdata: configure
	@cmake --build --preset realdata -j $(JOBS)
	./$(BUILD_DIR)/tools/realdata/grimlark_realdata $(DATA_DIR)

# The README's real-files table checked against what realdata prints now
# (skipped where DATA_DIR is not there).
realdata-check: configure
	@cmake --build --preset realdata -j $(JOBS)
	@sh tools/realdata-check.sh ./$(BUILD_DIR)/tools/realdata/grimlark_realdata $(DATA_DIR)

# Save Into File on copies of every file of DATA_DIR: saved unchanged, each
# file byte for byte as it was; one box changed, that record's bytes only
# (see tools/realdata/RealSave.cpp).
realdata-save: configure
	@cmake --build --preset realdata -j $(JOBS)
	./$(BUILD_DIR)/tools/realdata/grimlark_realsave $(DATA_DIR)

# Benchmarks: an optimised build of their own, run offscreen.
bench:
	@sh tools/install-deps.sh libbenchmark-dev
	@cmake --preset bench $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/grimlark_bench $(BENCH_ARGS)

# Fuzzing: each target runs FUZZ_SECONDS (default 60) from the seeds in
# fuzz/corpus and the tests' sample files in tests/data.
FUZZ_SECONDS ?= 60
fuzz:
	@sh tools/install-deps.sh clang libclang-rt-14-dev
	@cmake --preset fuzz $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@for target in loader:LoaderFuzz reader:LineReaderFuzz sql:SqlEntryFuzz yaml:YamlFuzz yamlentry:YamlEntryFuzz config:ConfigFuzz; do \
	  seeds=$${target%%:*}; binary=$${target##*:}; log=build-fuzz/$$binary.log; \
	  mkdir -p build-fuzz/corpus/$$seeds; \
	  echo "== $$binary for $(FUZZ_SECONDS) s"; \
	  if ./build-fuzz/fuzz/$$binary -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	       build-fuzz/corpus/$$seeds fuzz/corpus/$$seeds tests/data >$$log 2>&1; then \
	    grep -E '^Done|number_of_executed_units' $$log; \
	  else tail -40 $$log; exit 1; fi; \
	done

# The whole test suite built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	CMAKE_BUILD_PARALLEL_LEVEL=$(JOBS) CTEST_PARALLEL_LEVEL=$(JOBS) \
	  cmake --workflow --preset asan

# A Debian package from an optimised build of its own, in build-package/packages.
package:
	@sh tools/install-deps.sh dpkg-dev
	@cmake --preset package $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset package -j $(JOBS)
	cd build-package && cpack

# Validates the package, installs it, starts it and removes it again.
package-check: package
	@sh tools/install-deps.sh desktop-file-utils appstream lintian
	@sh tools/check-package.sh

# Installs the package into a fresh minimal system and starts it there (root).
package-fresh-check: package
	@sh tools/install-deps.sh debootstrap
	@sh tools/check-package-fresh.sh

# Windows x86-64, cross-compiled with mingw-w64 against a Windows Qt that is
# built once from Debian's qt6-base source and cached outside the clone.
# fonts-wine: Wine's own faces (Marlett draws the title bars' buttons);
# bsdutils: `script`, a terminal for the console tool's check.
WINDOWS_DEPS = g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick nsis \
	dpkg-dev qt6-base-dev-tools ninja-build bsdutils

windows:
	@sh tools/install-deps.sh $(WINDOWS_DEPS)
	@sh tools/windows-build.sh

# Every suite under Wine on a private Xvfb display.
windows-test: windows
	@sh tools/windows-test.sh

# build-windows/packages/Grimlark-<version>-win64.zip and .exe (NSIS installer).
windows-package: windows
	cd build-windows && cpack

# The build, the packages, the registry lookup, the suites and the installer,
# each stage timed.
windows-check:
	@sh tools/install-deps.sh $(WINDOWS_DEPS)
	@sh tools/windows-check.sh

# clang-tidy over every product and test source of the build (see .clang-tidy).
# QtTest's QSKIP is a variadic macro called with its message alone, which
# clang's pedantic mode would flag in every test that skips.
TIDY_FILES = $(shell git ls-files 'core/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'tests/*.cpp' | grep -v -e WinRegistry -e '^tests/windows/')
tidy: build
	@sh tools/install-deps.sh clang-tidy
	@printf '%s\n' $(TIDY_FILES) | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD_DIR) --quiet \
	  --extra-arg=-Wno-gnu-zero-variadic-macro-arguments 2>$(BUILD_DIR)/tidy-errors.log; \
	  status=$$?; grep -v -E '^[0-9]+ (warning|error)s? (and [0-9]+ (warning|error)s? )?generated' \
	  $(BUILD_DIR)/tidy-errors.log >&2 || true; exit $$status
	@echo "clang-tidy: clean"

# The core's unused includes (include-what-you-use); see tools/include-check.sh.
include-check: build
	@sh tools/install-deps.sh iwyu
	@sh tools/include-check.sh $(BUILD_DIR)

# clazy (Qt's own pitfalls, levels 0 to 2) over every Qt source; see tools/clazy.sh.
clazy: build
	@sh tools/install-deps.sh clazy
	@sh tools/clazy.sh $(BUILD_DIR)

# The shell scripts, checked by shellcheck at its default severity (each
# deliberate exception is marked where it stands, with its reason).
SHELL_FILES = $(shell git ls-files '*.sh' .ci/run)
shellcheck:
	@sh tools/install-deps.sh shellcheck
	@shellcheck $(SHELL_FILES) && echo "shellcheck: clean"

# One format for the tree: `make format` applies .clang-format, `make
# format-check` (run by CI) fails on any difference.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h' | grep -v '^resources/')
format:
	@sh tools/install-deps.sh clang-format
	clang-format -i $(FORMAT_FILES)

format-check:
	@sh tools/install-deps.sh clang-format
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "format: ok"

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz build-asan build-package build-windows
