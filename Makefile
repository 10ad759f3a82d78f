# The two commands of the README:
#   make run    installs what is missing, builds nurvela.exe and starts it (under Wine on Linux)
#   make test   installs what is missing, builds the native and the Windows trees, runs every test
# Further targets: make dist, make bench, make fuzz-split, make fuzz-decompress (see README).

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: run test setup native win32 dist bench fuzz-split fuzz-decompress screenshots clean

setup:
	@scripts/setup.sh

win32: setup
	@src=$$(scripts/bzip2-source.sh $(BUILD)/deps) && \
	cmake -S . -B $(BUILD)/win32 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DNURVELA_BZIP2_SOURCE=$$(realpath $$src) \
	  -DNURVELA_WERROR=ON >/dev/null
	cmake --build $(BUILD)/win32 -j $(JOBS)

native: setup
	@cmake -S . -B $(BUILD)/native $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DNURVELA_SANITIZE=ON \
	  -DNURVELA_WERROR=ON >/dev/null
	cmake --build $(BUILD)/native -j $(JOBS)

run: win32
	@scripts/run.sh $(BUILD)

screenshots: win32
	@scripts/screenshots.sh $(BUILD)

test: native win32
	@scripts/test.sh $(BUILD)

dist: win32
	@scripts/dist.sh $(BUILD)

bench: setup win32
	@cmake -S . -B $(BUILD)/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DNURVELA_BENCH=ON >/dev/null
	cmake --build $(BUILD)/bench -j $(JOBS)
	@scripts/bench.sh $(BUILD)

fuzz-split fuzz-decompress: setup
	@src=$$(scripts/bzip2-source.sh $(BUILD)/deps) && \
	cmake -S . -B $(BUILD)/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNURVELA_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DNURVELA_BZIP2_SOURCE=$$(realpath $$src) >/dev/null
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target $@
	@mkdir -p $(BUILD)/fuzz/corpus-$@
	$(BUILD)/fuzz/fuzz/$@ -max_total_time=$${FUZZ_SECONDS:-600} $(BUILD)/fuzz/corpus-$@ fuzz/seeds/$@

clean:
	rm -rf $(BUILD)
