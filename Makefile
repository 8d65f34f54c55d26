# The README's commands. Each installs what is missing, then builds with CMake.
# `make run` installs only what building and running need; the test and
# packaging targets add what the tests use. Extra configure options can be
# passed as CMAKE_ARGS="-D...".

CMAKE_ARGS ?=

.PHONY: all deps test-deps configure build run screenshot package test test-asan bench clean

all: build

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

configure:
	cmake --preset default $(CMAKE_ARGS) >/dev/null

build: deps configure
	cmake --build --preset default

run: deps configure
	cmake --build --preset default --target tintwright
	@scripts/run build/src/app/tintwright

screenshot: test-deps build
	@scripts/screenshot build/src/app/tintwright build/tintwright.png

package: test-deps build
	cd build && cpack

test: test-deps build
	ctest --preset default

test-asan: test-deps
	cmake --preset asan $(CMAKE_ARGS) >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: test-deps build
	cmake --build --preset default --target bench
	cmake --build --preset default --target bench-startup

clean:
	rm -rf build build-debug build-asan
