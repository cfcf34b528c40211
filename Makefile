# Two commands set everything up on a fresh Debian machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
APP_DIR := $(CURDIR)/build/app

.PHONY: run test build-release build-test deps bench screenshots package clean windows test-windows

deps:
	@scripts/install-deps.sh

build-release: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DDOVREL_APP_DIR=$(APP_DIR) -DDOVREL_BUILD_TESTS=OFF
	cmake --build build/release -j $(JOBS)

run: build-release
	cd $(APP_DIR) && ./dovrel

build-test: deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DDOVREL_SANITIZE=ON -DDOVREL_WARNINGS_AS_ERRORS=$(if $(CI),ON,OFF) \
	      -DDOVREL_APP_DIR=$(CURDIR)/build/test/app -DDOVREL_BUILD_BENCH=OFF
	cmake --build build/test -j $(JOBS)

test: build-test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build-release
	build/release/bench/dovrel_bench_startup
	build/release/bench/dovrel_bench_timing
	build/release/bench/dovrel_bench_screens
	build/release/bench/dovrel_bench_viewers

# Every screen rendered to docs/screenshots/ at design size and maximised (1920 x 1080), the title and teams screens
# at 1920 x 1080 with their text grown with the display, and the hall's view of a laptop with a projector attached
# (two-displays.png).
screenshots: build-release
	QT_QPA_PLATFORM=offscreen build/release/tools/dovrel_screenshots docs/screenshots
	QT_QPA_PLATFORM=offscreen build/release/tools/dovrel_screenshots docs/screenshots/1920x1080 1920x1080
	QT_QPA_PLATFORM=offscreen build/release/tools/dovrel_screenshots docs/screenshots/1920x1080-scaled 1920x1080 scaled
	QT_QPA_PLATFORM=offscreen:configfile=tools/two-displays.json build/release/tools/dovrel_screenshots docs/screenshots

# The Linux release made by CPack (cmake/Package.cmake): the portable archive
# build/package/dovrel-<version>-linux-x86_64.tar.gz and the Debian package build/package/dovrel_<version>_amd64.deb,
# each started once to check it (the .deb installed with apt and removed again).
package: deps
	cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DDOVREL_APP_DIR=$(CURDIR)/build/package/app \
	      -DDOVREL_BUILD_TESTS=OFF -DDOVREL_BUILD_BENCH=OFF
	cmake --build build/package -j $(JOBS)
	rm -f build/package/dovrel-*.tar.gz build/package/dovrel_*.deb
	cd build/package && cpack
	@scripts/install-deps.sh xvfb xdotool x11-utils
	scripts/check-package.sh build/package/dovrel-*-linux-*.tar.gz
	scripts/check-package.sh build/package/dovrel_*.deb

# Windows: cross-built here with the same CMake project (Qt for Windows is built once from Debian's own source into
# ~/.cache/dovrel and reused), and tested under Wine. See "Windows" in the README.
windows:
	scripts/build-windows.sh

test-windows: windows
	scripts/test-windows.sh

clean:
	rm -rf build

# Fuzz targets of the core readers and writers (clang, libFuzzer, ASan + UBSan), each run FUZZ_SECONDS; not part of
# `make test`. See fuzz/README.md.
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@scripts/install-deps.sh clang libclang-rt-14-dev qt6-base-dev cmake make
	cmake -S fuzz -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build build/fuzz -j $(JOBS)
	fuzz/run.sh build/fuzz $(FUZZ_SECONDS)
