# A thin layer over CMake: `make run` and `make test` on a fresh Debian 12.
JOBS ?= $(shell nproc)
RELEASE := build/release

.PHONY: all deps build run test screenshot icon package clean

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

# The window as it opens, and after ticking two parts and calculating.
screenshot: build
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/udjat-screenshot docs/startup.png
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/udjat-screenshot --calculated docs/screenshot.png

# The 32 x 32 icon is rendered from its SVG; run after changing the SVG.
icon: build
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/render_svg assets/icon.svg 32 assets/icon-32.png

# A Debian package: build/release/udjat_1.00-1_amd64.deb
package: build
	cd $(RELEASE) && cpack

clean:
	rm -rf build
