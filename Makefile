# Quick start: `make run` builds and starts the program, `make test` builds
# and runs every test.  Both install missing Debian packages first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: deps configure build run test clean

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$$(nproc)

run: build
	$(BUILD)/app/vektoria

test: build
	cd $(BUILD) && ctest --output-on-failure -j$$(nproc)

clean:
	rm -rf $(BUILD)
