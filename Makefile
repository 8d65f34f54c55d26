# The README's commands. Each installs what is missing, then builds with CMake.
# Extra configure options can be passed as CMAKE_ARGS="-D...".

CMAKE_ARGS ?=

.PHONY: all deps build run screenshot package test test-asan bench clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset default $(CMAKE_ARGS) >/dev/null
	cmake --build --preset default

run: build
	@scripts/run build/src/app/tintwright

screenshot: build
	@scripts/screenshot build/src/app/tintwright build/tintwright.png

package: build
	cd build && cpack

test: build
	ctest --preset default

test-asan: deps
	cmake --preset asan $(CMAKE_ARGS) >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build
	cmake --build --preset default --target bench
	cmake --build --preset default --target bench-startup

clean:
	rm -rf build build-debug build-asan
