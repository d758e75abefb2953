# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-svg-dev \
            libgtest-dev libgmock-dev fonts-wqy-microhei \
            desktop-file-utils appstream

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/qx7

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/qx7-bench-link 3
	bench/startup.sh $(BUILD) 10

clean:
	rm -rf $(BUILD)
