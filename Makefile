# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
# The same sources built with clang, AddressSanitizer, UndefinedBehaviorSanitizer
# and the libFuzzer targets.
SAN_BUILD ?= build-san
FUZZ_SECONDS ?= 600
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-svg-dev \
            libgtest-dev libgmock-dev fonts-wqy-microhei \
            desktop-file-utils appstream clang-14 libclang-rt-14-dev qt6-translations-l10n

.PHONY: all deps configure build run test san-build sanitize fuzz bench clean

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/qx7

# The normal suite first, then the whole suite again with the sanitizers,
# which includes a bounded run of every fuzz target.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitize

san-build: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	       -DQX7_SANITIZE=ON -DQX7_FUZZ=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)

SAN_ENV := UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1

sanitize: san-build
	cd $(SAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

# A longer fuzzing run: every target for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=3600).
fuzz: san-build
	cd $(SAN_BUILD) && for t in datafile ini json csv session; do \
	  $(SAN_ENV) $(CURDIR)/fuzz/run.sh bin/fuzz_$$t $(CURDIR)/fuzz/corpus/$$t $(FUZZ_SECONDS) || exit 1; done

bench: build
	$(BUILD)/bin/qx7-bench-link 3
	bench/startup.sh $(BUILD) 10

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
