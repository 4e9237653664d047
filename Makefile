# SPDX-FileCopyrightText: 2026 The udjat developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A thin layer over CMake: `make run` and `make test` on a fresh Debian 12.
JOBS ?= $(shell nproc)
RELEASE := build/release

.PHONY: all deps test-deps build run test seeds screenshot icon package source-package package-check bench windows test-windows bench-windows web test-web bench-web clean

all: build

# What building and running need; the test targets add their own.
deps:
	@bash tools/install-deps.sh run

test-deps:
	@bash tools/install-deps.sh test

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) -- --no-print-directory

run: build
	$(RELEASE)/bin/udjat

# Every test on the release build, then again with the sanitizers on.
test: test-deps build
	ctest --preset release
	@$(MAKE) --no-print-directory seeds BUILD_DIR=$(RELEASE)
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS) -- --no-print-directory
	ctest --preset asan
	@$(MAKE) --no-print-directory seeds BUILD_DIR=build/asan

# The random sessions' seeds, so a failure can be repeated.
seeds:
	@grep -ho 'seed [0-9]*, [0-9]* events' $(BUILD_DIR)/Testing/Temporary/LastTest.log | sed 's|^|$(BUILD_DIR): monkey |' || true

# The window as it opens, and after ticking two parts and calculating.
screenshot: test-deps build
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/udjat-screenshot docs/startup.png
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/udjat-screenshot --calculated docs/screenshot.png

# The 32 x 32 icons are rendered from the SVG; run after changing it.
icon: build
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/render_svg assets/icon.svg 32 assets/icon-32.png
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/render_svg assets/icon.svg 32 assets/icon.ico

# The Debian package, built as Debian builds it: build/deb/udjat_*_amd64.deb
package: test-deps
	bash tools/build-deb.sh build/deb

# The source package from the committed tree: build/deb/udjat_*.dsc and its tarballs.
source-package:
	@bash tools/install-deps.sh package
	@bash tools/build-source-package.sh build/deb

# The source package built in a clean chroot of SUITE (bookworm, trixie or
# sid), twice, linted, then autopkgtest; trixie after bookworm.
SUITE ?= bookworm
package-check:
	@bash tools/install-deps.sh package
	@SUITE=$(SUITE) bash tools/package-check.sh

# Start-up and memory against the bare-toolkit floor, then time per click.
bench: test-deps build
	tests/e2e/x11_session.sh --no-bus \
	    /usr/bin/python3 bench/startup.py $(RELEASE)/bin/udjat-floor $(RELEASE)/bin/udjat 21
	QT_QPA_PLATFORM=offscreen $(RELEASE)/bin/bench_clicks 2>/dev/null | grep -A1 RESULT | grep -v -- --

# Windows, cross-built here: build/windows/udjat-*-win64.zip and -setup.exe.
windows:
	@bash tools/windows/build.sh

# The Qt Test suites under Wine, then the release: portable, installer, version.
test-windows:
	@bash tools/windows/test.sh

# Start-up under Wine against a bare Qt window built the same way.
bench-windows: windows
	@bash tools/windows/bench.sh

# The browser edition: build/web/udjat.html and the files it loads.
web:
	@bash tools/web/build.sh

# The core suites in WebAssembly, then the page driven in headless Chromium.
test-web:
	@bash tools/web/test.sh

# Load time in headless Chromium against a bare Qt window built the same way.
bench-web:
	@bash tools/web/bench.sh

clean:
	rm -rf build
