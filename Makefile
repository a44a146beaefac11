# Two commands: `make run` and `make test`. Each installs what is missing, configures and builds.
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

PREFIX  ?= /usr/local

.PHONY: all deps configure build run test test-sanitize fuzz bench install clean

all: build

deps:
	@scripts/ensure-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/quendal

SANITIZE_BUILD ?= build-sanitize

# Every test, then the engine and table tests again under AddressSanitizer and UBSan.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

test-sanitize: deps
	@test -f $(SANITIZE_BUILD)/CMakeCache.txt || cmake -S . -B $(SANITIZE_BUILD) -DQUENDAL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

FUZZ_BUILD ?= build-fuzz

# Every fuzz target for FUZZ_SECONDS (default 60) each.
fuzz: deps
	@scripts/ensure-deps.sh clang libclang-rt-14-dev
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DQUENDAL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run-fuzz.sh $(FUZZ_BUILD)

bench: build
	@scripts/ensure-deps.sh fd-find ripgrep time
	bench/run-bench.sh $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
