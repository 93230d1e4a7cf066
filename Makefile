# SPDX-License-Identifier: GPL-3.0-or-later
# make run    installs what is missing, builds and starts Padmora
# make check  installs what is missing, builds and runs every test headless,
#             then again under AddressSanitizer and UBSan
# make screenshot  renders the main window into docs/main-window.png
# make printed-page  renders page 1 of a printed chakra test into docs/printed-page.png
# make package  builds the Debian package padmora_VERSION_ARCH.deb in the
#               build folder and checks it with lintian
# make translations  brings translations/*.ts up to date with the code's texts (lupdate)
# make bench  times Padmora's start against a bare Qt window, and its
#             interactions (RUNS=15 starts each; SCALE=1.5 for a scaled screen)

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
RUNS       ?= 15
SCALE      ?=
BENCH_ARGS  = --runs $(RUNS) $(if $(SCALE),--scale $(SCALE))

.PHONY: all setup build run check test test-asan translations screenshot printed-page package-setup package bench clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPADMORA_SANITIZE=ON $(CMAKE_FLAGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The program of the build tree finds the modules built beside it by itself.
run: build
	$(BUILD)/padmora

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: setup $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

check: test test-asan

translations: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) --target update_translations

screenshot: build
	scripts/screenshot.sh $(BUILD)/padmora docs/main-window.png

# The printing test keeps the PDF of its whole chakra test where told.
printed-page: build
	rm -f $(BUILD)/printed-page.pdf
	PADMORA_KEEP_PDF=$(abspath $(BUILD))/printed-page.pdf HOME=$(abspath $(BUILD))/home-printed-page \
	  QT_QPA_PLATFORM=offscreen:configfile=$(abspath tests/offscreen-1280x1024.json) \
	  $(BUILD)/tests/tst_printing aWholeTestPrintsInOrderOnA4 >/dev/null
	pdftoppm -png -r 90 -f 1 -l 1 -singlefile $(BUILD)/printed-page.pdf docs/printed-page

# Packaging needs a few tools more than building does.
package-setup:
	@scripts/setup.sh --package

package: package-setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	rm -f $(BUILD)/padmora_*.deb
	cmake --build $(BUILD) --target package
	lintian --fail-on error $(BUILD)/padmora_*.deb

# On the display in DISPLAY, or on a virtual one when there is none.
bench: build
	@if [ -n "$$DISPLAY" ]; then $(BUILD)/bench/padmora_bench $(BENCH_ARGS); \
	else xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" $(BUILD)/bench/padmora_bench $(BENCH_ARGS); fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
