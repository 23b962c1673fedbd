# projcalc: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install what a fresh Debian 12 machine lacks first.

PRESET ?= dev
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test test-asan fuzz run bench bench-startup package package-test \
        web web-test clean format

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	@ctest --preset $(PRESET)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer. Leaks inside
# fontconfig and Qt's own libraries are not ours and are suppressed. The leak checker of GCC 12
# misreads glibc's table of dynamically loaded thread-local storage once a process has loaded
# enough libraries that use it, and crashes at exit ("Tracer caught signal 11") after the tests
# passed; intercept_tls_get_addr=0 keeps it out of that table, which holds nothing of ours.
test-asan: deps
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	 ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 \
	 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	 $(MAKE) --no-print-directory test PRESET=asan

# The WebAssembly build with Debian's emscripten, into build/web: projcalc-cli.js for node (with
# the shipped data beside it) and the offline site (build/web/site; serve it with
# python3 -m http.server -d build/web/site); then its tests under node.
web: deps
	@scripts/install-deps.sh --web
	@cmake --preset web >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build --preset web -j $(JOBS)
	@ctest --preset web

# The CLI's end-to-end tests against projcalc-cli.js (the native build's test program, run with
# PROJCALC_CLI naming the node build), and the page's browser tests in headless chromium
# (tests/web), checked against the native projcalc-cli.
web-test: web build
	@ctest --preset dev -L web

# Every fuzz target for FUZZ_SECONDS (default 60) each.
fuzz: deps
	@scripts/run-fuzzers.sh

run: build
	@if [ -x $(BUILD_DIR)/src/app/projcalc ]; then \
		$(BUILD_DIR)/src/app/projcalc $(ARGS); \
	else \
		echo "The projcalc window is not built yet; the engine and its tests are."; \
	fi

# Every benchmark of the optimised build, start-up included, as one Markdown table (bench/report.sh).
bench:
	@$(MAKE) --no-print-directory build PRESET=release
	@bench/report.sh build/release

# Start-up time and peak memory of projcalc against a bare Qt window (bench/startup.sh).
bench-startup:
	@$(MAKE) --no-print-directory build PRESET=release
	@bench/startup.sh build/release

# The Debian package build/release/projcalc_<version>_<arch>.deb, from the optimised build; only
# what it holds is built (projcalc_installed_files in packaging/CMakeLists.txt).
package: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target projcalc_installed_files
	@cd build/release && cpack -G DEB

# Installs that package on this system with apt-get, runs it, purges it and checks that nothing
# of it is left (tests/package/package_test.sh). Needs root; skips otherwise.
package-test: package
	@tests/package/package_test.sh build/release

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build
