# Entry points for people and CI. Every target installs what it needs first (scripts/setup).
PRESET ?= dev
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all setup build test run bench fuzz screenshots package clean

all: build

setup:
	@scripts/setup

build: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

# Every test runs offscreen with its own temporary XDG folders, never touching the user's files.
test: build
	@scripts/with-temp-home ctest --preset $(PRESET) -j $(JOBS)

run: setup
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev -j $(JOBS) --target dvk
	@build/dev/src/app/dvk

bench: setup
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@scripts/with-temp-home scripts/run-benchmarks build/release

fuzz:
	@scripts/setup --fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# The Debian package: build/release/dvk_<version>-1_<arch>.deb
package: setup
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target package

screenshots: build
	@scripts/screenshots screenshots

clean:
	rm -rf build
