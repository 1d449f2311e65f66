# Two entry points: `make test` and `make run`. Both install what is missing first.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANTA_SANITIZE=ON

.PHONY: test run deps configure build bench

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
