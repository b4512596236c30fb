# The two set-up commands of the README, plus a few conveniences.
.PHONY: run test deps build build-test bench fuzz clean

BUILD      ?= build
TEST_BUILD ?= build-test
CMAKE_GEN  := -G Ninja

deps:
	scripts/install-deps

# The programs alone: no tests, no benchmarks.
RELEASE_CONFIG = cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
                     -DLAMPEN_TESTS=OFF -DLAMPEN_BENCH=OFF

build: deps
	$(RELEASE_CONFIG)
	cmake --build $(BUILD)

# Builds only the program it starts.
run: deps
	$(RELEASE_CONFIG)
	cmake --build $(BUILD) --target lampen
	./$(BUILD)/lampen

build-test: deps
	cmake -S . -B $(TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DLAMPEN_SANITIZE=ON -DLAMPEN_BENCH=OFF
	cmake --build $(TEST_BUILD)

test: build-test
	scripts/run-fuzz 60
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    ctest --output-on-failure

bench: deps
	cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DLAMPEN_TESTS=OFF -DLAMPEN_BENCH=ON
	cmake --build build-bench
	scripts/run-benchmarks build-bench

fuzz: deps
	scripts/run-fuzz --each 600

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench build-fuzz
