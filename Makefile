# Rilo: build, test, benchmark and fuzz. Every target installs what is
# missing first (scripts/deps), so it works on a fresh machine.
BUILD   ?= build
JOBS    ?= $(shell nproc)
FUZZ_SECONDS ?= 30
CROSS   = -G Ninja -DCMAKE_BUILD_TYPE=Release -DRILO_TOP_BUILD_DIR=$(CURDIR)/$(BUILD)

.PHONY: all deps build test demo bench fuzz clean

all: build

deps:
	@RILO_BUILD_DIR=$(BUILD) scripts/deps

build: deps
	cmake -S . -B $(BUILD)/x64 $(CROSS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-x86_64-w64-mingw32.cmake
	cmake --build $(BUILD)/x64 -j $(JOBS)
	rm -rf dist/x64 && cmake --install $(BUILD)/x64 --prefix $(CURDIR)/dist/x64
	cmake -S . -B $(BUILD)/x86 $(CROSS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-i686-w64-mingw32.cmake \
	      -DRILO_POSDB_DEMO_DIR=$(CURDIR)/$(BUILD)/posdb-x86/demo
	cmake --build $(BUILD)/x86 -j $(JOBS)
	rm -rf dist/x86 && cmake --install $(BUILD)/x86 --prefix $(CURDIR)/dist/x86
	# 32-bit Wine's odbc32 loads the i386 unixODBC, which needs the POS
	# database stand-in built for 32 bits; the x86 tests use this one.
	cmake -S tools/posdb -B $(BUILD)/posdb-x86 -G Ninja -DCMAKE_BUILD_TYPE=Release -DPOSDB_TESTS=OFF \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-i686-linux-gnu.cmake
	cmake --build $(BUILD)/posdb-x86 -j $(JOBS)
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRILO_SANITIZE=ON
	cmake --build $(BUILD)/native -j $(JOBS)

test: build
	ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)
	ctest --test-dir $(BUILD)/x64 --output-on-failure -j $(JOBS)
	ctest --test-dir $(BUILD)/x86 --output-on-failure -j $(JOBS)

demo: build
	RILO_BUILD_DIR=$(CURDIR)/$(BUILD) scripts/demo

bench: build
	scripts/wine-run $(BUILD)/x64/bin/prorate_bench.exe
	scripts/wine-run $(BUILD)/x86/bin/prorate_bench.exe
	RILO_WINE_TIMEOUT=1800 scripts/wine-run $(BUILD)/x64/bin/dialog_bench.exe
	RILO_BUILD_DIR=$(CURDIR)/$(BUILD) scripts/setup-bench

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRILO_FUZZ=ON
	cmake --build $(BUILD)/fuzz -j $(JOBS)
	mkdir -p $(BUILD)/fuzz/corpus/amount $(BUILD)/fuzz/corpus/text_list
	$(BUILD)/fuzz/library/fuzz/fuzz_amount_text -max_total_time=$(FUZZ_SECONDS) $(BUILD)/fuzz/corpus/amount
	$(BUILD)/fuzz/library/fuzz/fuzz_text_list -max_total_time=$(FUZZ_SECONDS) $(BUILD)/fuzz/corpus/text_list

clean:
	rm -rf $(BUILD) dist
