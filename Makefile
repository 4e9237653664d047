# A thin layer over CMake: `make run` and `make test` on a fresh Debian 12.
JOBS ?= $(shell nproc)
RELEASE := build/release

.PHONY: all deps build run test screenshot clean

all: build

deps:
	@bash tools/install-deps.sh

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	$(RELEASE)/bin/udjat

test: build
	ctest --preset release

clean:
	rm -rf build
