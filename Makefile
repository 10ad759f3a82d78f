# The two commands of the README:
#   make run    installs what is missing, builds nurvela.exe and starts it (under Wine on Linux)
#   make test   installs what is missing, builds the native and both Windows trees (32-bit and
#               64-bit), runs every test on every build this machine can run
# Further targets: make dist, make bench, make screenshots, make fuzz-split, make fuzz-decompress,
# make fuzz-arabic, make fuzz-search (see README). run, bench and screenshots use the 32-bit program where it runs, else the 64-bit.

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: run test setup native win32 win64 dist bench fuzz-split fuzz-decompress fuzz-arabic fuzz-search screenshots clean

setup:
	@scripts/setup.sh

# The Windows trees: win32 (MinGW-w64 i686, the program) and win64 (x86_64), same sources.
win32 win64: setup
	@src=$$(scripts/bzip2-source.sh $(BUILD)/deps) && \
	cmake -S . -B $(BUILD)/$@ $(CMAKE_GEN) --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$(if $(filter win32,$@),i686,x86_64).cmake \
	  -DNURVELA_BZIP2_SOURCE=$$(realpath $$src) -DNURVELA_WERROR=ON >/dev/null
	cmake --build $(BUILD)/$@ -j $(JOBS)

# The build this machine runs the program with: 32-bit where it runs, else 64-bit; for make
# run in a Wine prefix of the user's own (WINEPREFIX), the build of that prefix's kind.
PICK = arch=$$(scripts/wine-builds.sh --pick) && $(MAKE) --no-print-directory $$arch
PICK_FOR_RUN = arch=$$(scripts/wine-builds.sh --pick --for-user-prefix) && \
	$(MAKE) --no-print-directory $$arch

native: setup
	@cmake -S . -B $(BUILD)/native $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DNURVELA_SANITIZE=ON \
	  -DNURVELA_WERROR=ON >/dev/null
	cmake --build $(BUILD)/native -j $(JOBS)

run: setup
	@$(PICK_FOR_RUN) && scripts/run.sh $(BUILD) $$arch

screenshots: setup
	@$(PICK) && scripts/screenshots.sh $(BUILD) $$arch

test: native win32 win64
	@scripts/test.sh $(BUILD)

dist: win32 win64
	@scripts/dist.sh $(BUILD) win32
	@scripts/dist.sh $(BUILD) win64

bench: setup
	@$(PICK) && \
	cmake -S . -B $(BUILD)/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DNURVELA_BENCH=ON >/dev/null && \
	cmake --build $(BUILD)/bench -j $(JOBS) && \
	scripts/bench.sh $(BUILD) $$arch

fuzz-split fuzz-decompress fuzz-arabic: setup
	@src=$$(scripts/bzip2-source.sh $(BUILD)/deps) && \
	cmake -S . -B $(BUILD)/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNURVELA_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DNURVELA_BZIP2_SOURCE=$$(realpath $$src) >/dev/null
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target $@
	@mkdir -p $(BUILD)/fuzz/corpus-$@
	$(BUILD)/fuzz/fuzz/$@ -max_total_time=$${FUZZ_SECONDS:-600} $(BUILD)/fuzz/corpus-$@ fuzz/seeds/$@

# The search box's fuzz test at length, on the build make run would use.
fuzz-search: setup
	@$(PICK) && scripts/fuzz-search.sh $(BUILD) $$arch

clean:
	rm -rf $(BUILD)
