# The README's commands. Each one first installs any missing Debian package.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
TEST_DIR := build-tests
FUZZ_DIR := build-fuzz
TSAN_DIR := build-tsan
RELEASE_DIR := build
# Where `make install` puts the program; DESTDIR, when given, goes in front of it.
PREFIX ?= /usr/local

.PHONY: all deps build run test tsan fuzz demo install clean

all: build

deps:
	@scripts/install-deps.sh

# Release build; the program is build/kestrova.
build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTROVA_TESTS=OFF -DKESTROVA_BENCH=ON -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(RELEASE_DIR) -j $(JOBS)

# The window on the example project (run from its folder, as the demo is).
run: build
	cd examples && ../$(RELEASE_DIR)/kestrova example.btn

# The whole test suite, built with AddressSanitizer and UndefinedBehaviorSanitizer,
# out-of-range float-to-int conversions included (unoptimised: the suite compiles in
# less than half the time and still runs in seconds).
test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTROVA_SANITIZE=ON -DKESTROVA_TESTS=ON -DKESTROVA_BENCH=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The tests of the code that runs threads (the GIF painters, saving many images
# at once) built with ThreadSanitizer; only the libraries they need are built.
tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTROVA_TSAN=ON -DKESTROVA_TESTS=ON -DKESTROVA_BENCH=OFF
	cmake --build $(TSAN_DIR) -j $(JOBS)
	cd $(TSAN_DIR) && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --output-on-failure -j $(JOBS)

# A short libFuzzer run over the file readers and the project reader (clang-14 with libFuzzer).
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DKESTROVA_FUZZ=ON -DKESTROVA_SANITIZE=ON -DKESTROVA_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target kestrova_fuzzers
	cd $(FUZZ_DIR) && ctest --output-on-failure

demo: build
	@scripts/demo.sh $(RELEASE_DIR)/kestrova

# The release build with its resources, desktop entry, icon and .btn file type
# under PREFIX (bin/kestrova, share/kestrova/, share/applications/, ...).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_DIR) --prefix "$(PREFIX)"

clean:
	rm -rf $(TEST_DIR) $(RELEASE_DIR) $(FUZZ_DIR) $(TSAN_DIR)
