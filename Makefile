# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all configure deps test run clean

all: configure
	cmake --build $(BUILD_DIR)

configure:
	@test -f $(BUILD_DIR)/build.ninja || cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

deps:
	./scripts/install-deps.sh

test: deps
	$(MAKE) all
	ctest --test-dir $(BUILD_DIR) --output-on-failure

run: all
	@echo "The window is not built yet; build/Zyntra/ holds the program folder so far."

clean:
	rm -rf $(BUILD_DIR)
