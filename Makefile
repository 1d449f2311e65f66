# Entry points: `make test`, `make run` and `make install`; also `make package`, `make fuzz`,
# `make bench`, `make windows` and `make windows-test`. Each installs what is missing first.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANTA_SANITIZE=ON
FUZZ_SECONDS ?= 60
# The Release build, without sanitizers, is what is installed and packaged.
RELEASE_DIR ?= build-release
PREFIX ?= /usr/local
JOBS ?= 2
# The Windows build (MinGW-w64, cross-built here) and its installer.
WINDOWS_DIR ?= build-windows
WINDOWS_CCACHE := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: test run deps configure build bench fuzz release install package package-test windows windows-test

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

release: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANTA_SANITIZE=OFF -DKORVANTA_DEVELOPMENT=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)

# The programs, the desktop entry, the AppStream metainfo, the icons and the manual page under PREFIX.
install: release
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# The Debian package build-release/korvanta_<version>_<arch>.deb.
package: release
	./scripts/install-deps --package
	cd $(RELEASE_DIR) && cpack -G DEB

# The package unpacked into a scratch root, its korvanta-cli run there (a test of the sanitizer build).
package-test: package build
	cd $(BUILD_DIR) && KORVANTA_PACKAGE="$$(ls $(CURDIR)/$(RELEASE_DIR)/korvanta_*.deb | tail -1)" \
	  ctest -R '^InstalledPackage$$' --output-on-failure

# Windows: Qt for MinGW built once from Debian's source into ~/.cache/korvanta/ (reused after),
# then both programs, every test program and the installer
# $(WINDOWS_DIR)/Korvanta-<version>-win64.exe.
windows:
	./scripts/install-deps --windows
	mkdir -p $(WINDOWS_DIR)
	bash -o pipefail -c 'nice ./scripts/build-windows-qt | tee $(WINDOWS_DIR)/qt-build.log'
	qt="$$(tail -1 $(WINDOWS_DIR)/qt-build.log)" && \
	  cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$$qt" $(WINDOWS_CCACHE)
	cmake --build $(WINDOWS_DIR) -j$(JOBS)
	cd $(WINDOWS_DIR) && cpack -G NSIS

# Every test program of the Windows build under Wine (the widget tests on Qt's offscreen
# platform), then the installer installed silently under Wine, the program of its Start-menu
# entry started on a virtual display in a demo shop, its picture taken (docs/windows.png), closed,
# and the uninstaller run. Must pass before work on platform code is called done.
windows-test: windows
	cd $(WINDOWS_DIR) && ctest --output-on-failure -j2
	./scripts/windows-installer-test $(WINDOWS_DIR)
