# Entry points: `make test`, `make run` and `make install`; also `make package`, `make fuzz`
# and `make bench`. Each installs what is missing first.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANTA_SANITIZE=ON
FUZZ_SECONDS ?= 60

.PHONY: test run deps configure build bench fuzz

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

# The program runs in build/demo-shop, made from demo/; Qt's own allocations at exit are not
# reported as leaks.
run: build
	cd $(BUILD_DIR)/demo-shop && ASAN_OPTIONS=detect_leaks=0 ../src/ui/korvanta

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANTA_SANITIZE=OFF
	cmake --build build-bench --target bench_generation
	cd build-bench && ./bench/bench_generation

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

# Each fuzz target in turn for FUZZ_SECONDS; findings are kept in build-fuzz/findings/.
fuzz:
	FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/run-fuzzers
