# The two commands of the README. Each first makes sure the Debian packages are
# present, then configures and builds in build/.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: setup build run test test-asan bench clean install package

setup:
	@sh scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/selvako

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -LE slow

test-asan: setup
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVAKO_SANITIZE=ON -DSELVAKO_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS) -LE slow

bench: build
	@$(BUILD_DIR)/bench/selvako-bench

# The packed endgame tables of four and five pieces, beside the .bib files in
# $(BUILD_DIR)/data: long to solve, so never part of a build (see README).
.PHONY: tables5
tables5: build
	@cmake --build $(BUILD_DIR) --target tables5

# The program, selvako-cli, the data and the help, the desktop entry, the icon
# and the AppStream description under PREFIX (sudo for a system folder).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the build, selvako_VERSION_ARCH.deb in this folder:
# the programs in /usr/games, everything else under /usr/share
# (`sudo apt install ./selvako_*.deb`, `sudo apt remove selvako`).
package: build
	@rm -f $(BUILD_DIR)/package/selvako_*.deb
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null
	@cp $(BUILD_DIR)/package/selvako_*.deb .
	@ls selvako_*.deb

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)

# The readers under libFuzzer: a clang build of the Qt-free libraries in
# $(FUZZ_DIR), seeds written by the program's own writers, then a short run
# of each target (FUZZ_SECONDS each) after replaying the inputs that once
# crashed a reader (fuzz/regressions/TARGET/).
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 12

.PHONY: fuzz
fuzz: build
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVAKO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@sh scripts/run_fuzzers.sh $(FUZZ_DIR) $(BUILD_DIR)/data $(FUZZ_SECONDS)
