# The README's commands. Each one first installs any missing Debian package.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
TEST_DIR := build-tests
RELEASE_DIR := build

.PHONY: all deps build test demo clean

all: build

deps:
	@scripts/install-deps.sh

# Release build; the program is build/kestrova.
build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTROVA_TESTS=OFF -DKESTROVA_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS)

# The whole test suite, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVA_SANITIZE=ON -DKESTROVA_TESTS=ON -DKESTROVA_BENCH=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

demo: build
	@scripts/demo.sh $(RELEASE_DIR)/kestrova

clean:
	rm -rf $(TEST_DIR) $(RELEASE_DIR)
