# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
CMAKE_FLAGS ?=

DEMO_DIR := $(abspath $(BUILD_DIR))/demo

.PHONY: all configure deps test test-sanitize fuzz fuzz-smoke bench run demo demo-reset package test-package clean

all: configure
	cmake --build $(BUILD_DIR)

configure:
	@test -f $(BUILD_DIR)/build.ninja || cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

deps:
	./scripts/install-deps.sh

# The tests read the built language file as the build writes it, in English, whatever
# language an earlier `make run` chose.
test: deps
	$(MAKE) all
	$(BUILD_DIR)/resources/zyntra_set_language $(BUILD_DIR)/Zyntra/Lang.ini English
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The core, the command line and their tests under address and undefined-behaviour sanitizers
# (clang); the same build holds the fuzz targets, which `make fuzz-smoke` runs briefly.
test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Every fuzz target of the sanitizer build for FUZZ_SMOKE_SECONDS each: what CI runs.
FUZZ_SMOKE_SECONDS ?= 30
fuzz-smoke: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	scripts/run-fuzz.sh build-sanitize $(FUZZ_SMOKE_SECONDS)

# Every fuzz target for FUZZ_SECONDS each (clang, libFuzzer, address and undefined-behaviour
# sanitizers), from the seed corpus in fuzz/corpus; findings go to build-fuzz/artifacts.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

# Timings beside their comparison tools, measured in the same run; not part of `make test`.
# An optimised build of its own, without the window; fixtures are kept in $(BENCH_DIR)/bench-data.
bench: deps
	@test -f $(BENCH_DIR)/build.ninja || cmake -S . -B $(BENCH_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=Release -DZYNTRA_GUI=OFF -DZYNTRA_TESTS=OFF
	cmake --build $(BENCH_DIR)
	cmake --build $(BENCH_DIR) --target zyntra_bench
	$(BENCH_DIR)/bench/zyntra_bench --program $(BENCH_DIR)/Zyntra \
		--scan-bench $(BENCH_DIR)/bench/zyntra_bench_scan --data $(BENCH_DIR)/bench-data

# The demo device stays between runs, like a real one; `make demo-reset` makes it anew.
demo: all
	@test -f $(DEMO_DIR)/volumes.txt || \
		$(BUILD_DIR)/resources/zyntra_make_demo_device $(BUILD_DIR)/Zyntra $(DEMO_DIR)

demo-reset: all
	$(BUILD_DIR)/resources/zyntra_make_demo_device $(BUILD_DIR)/Zyntra $(DEMO_DIR)

# The window's language follows the locale (LC_ALL, LC_MESSAGES, LANG) unless ZYNTRA_LANGUAGE
# names a section: make run ZYNTRA_LANGUAGE=TChinese.
ZYNTRA_LANGUAGE ?=
run: deps demo
	$(BUILD_DIR)/resources/zyntra_set_language $(BUILD_DIR)/Zyntra/Lang.ini $(ZYNTRA_LANGUAGE)
	cd $(BUILD_DIR)/Zyntra && ZYNTRA_VOLUMES=$(DEMO_DIR)/volumes.txt ./Zyntra

# The Debian package of the window and the command line, build/zyntra_<version>_<arch>.deb.
package: deps
	$(MAKE) all
	cmake --build $(BUILD_DIR) --target package

# Installs the package on this machine and tries it as a new user (root, dpkg, Xvfb); the
# package is removed again at the end. Never part of `make test`.
test-package: package
	tests/package/test_package.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) build-sanitize
