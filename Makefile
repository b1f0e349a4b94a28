# Rilo: build, test, benchmark and fuzz. Every target installs what is
# missing first (scripts/deps), so it works on a fresh machine.
BUILD   ?= build
JOBS    ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CROSS   = -G Ninja -DCMAKE_BUILD_TYPE=Release -DRILO_TOP_BUILD_DIR=$(CURDIR)/$(BUILD)

# 32-bit Wine needs a kernel that runs 32-bit programs; some virtual
# machines' kernels do not, and there the x86 programs are built but not run.
RUNS_32BIT = /lib/ld-linux.so.2 --version >/dev/null 2>&1
NO_32BIT = this machine's kernel runs no 32-bit programs: the x86 build's Windows programs are not run here

.PHONY: all deps build test demo demo-dialogs bench fuzz clean

all: build

deps:
	@RILO_BUILD_DIR=$(BUILD) scripts/deps

build: deps
	@# The ARM Windows CE images first: the desktop trees' tests compare with them.
	cmake -S platform/ce -B $(BUILD)/arm-ce -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-arm-ce.cmake -DPython3_EXECUTABLE=/usr/bin/python3
	cmake --build $(BUILD)/arm-ce -j $(JOBS)
	cmake -S . -B $(BUILD)/x64 $(CROSS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-x86_64-w64-mingw32.cmake
	cmake --build $(BUILD)/x64 -j $(JOBS)
	rm -rf dist/x64 && cmake --install $(BUILD)/x64 --prefix $(CURDIR)/dist/x64
	cmake -S . -B $(BUILD)/x86 $(CROSS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-i686-w64-mingw32.cmake \
	      -DRILO_POSDB_DEMO_DIR=$(CURDIR)/$(BUILD)/posdb-x86/demo
	cmake --build $(BUILD)/x86 -j $(JOBS)
	rm -rf dist/x86 && cmake --install $(BUILD)/x86 --prefix $(CURDIR)/dist/x86
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRILO_SANITIZE=ON
	cmake --build $(BUILD)/native -j $(JOBS)
	# 32-bit Wine's odbc32 loads the i386 unixODBC, which needs the POS
	# database stand-in built for 32 bits; the x86 tests use this one. Its
	# demo database comes from the native posdb-mkdb, which runs everywhere.
	cmake -S tools/posdb -B $(BUILD)/posdb-x86 -G Ninja -DCMAKE_BUILD_TYPE=Release -DPOSDB_TESTS=OFF \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-i686-linux-gnu.cmake \
	      -DPOSDB_HOST_MKDB=$(CURDIR)/$(BUILD)/native/tools/posdb/posdb-mkdb
	cmake --build $(BUILD)/posdb-x86 -j $(JOBS)

test: build
	ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)
	ctest --test-dir $(BUILD)/x64 --output-on-failure -j $(JOBS)
	@if $(RUNS_32BIT); then ctest --test-dir $(BUILD)/x86 --output-on-failure -j $(JOBS); else echo "$(NO_32BIT)"; fi

demo: build
	RILO_BUILD_DIR=$(CURDIR)/$(BUILD) scripts/demo

demo-dialogs: build
	scripts/demo-dialogs

bench: build
	scripts/wine-run $(BUILD)/x64/bin/prorate_bench.exe
	@if $(RUNS_32BIT); then scripts/wine-run $(BUILD)/x86/bin/prorate_bench.exe; else echo "$(NO_32BIT)"; fi
	@# The dialogs and their baseline on one CPU, with the Wine server and Xvfb.
	RILO_WINE_TIMEOUT=1800 taskset -c 0 scripts/wine-run $(BUILD)/x64/bin/dialog_bench.exe
	@if $(RUNS_32BIT); then RILO_WINE_TIMEOUT=1800 taskset -c 0 scripts/wine-run $(BUILD)/x86/bin/dialog_bench.exe; else echo "$(NO_32BIT)"; fi
	RILO_BUILD_DIR=$(CURDIR)/$(BUILD) scripts/setup-bench

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRILO_FUZZ=ON
	cmake --build $(BUILD)/fuzz -j $(JOBS)
	scripts/fuzz $(BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) dist
