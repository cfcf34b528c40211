# Two commands set everything up on a fresh Debian machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
APP_DIR := $(CURDIR)/build/app

.PHONY: run test build-release build-test deps bench clean

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

clean:
	rm -rf build
