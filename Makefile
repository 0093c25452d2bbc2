# The two commands a newcomer needs: `make run` and `make test`; `make gui`
# starts the desktop window.
BUILD ?= build
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run gui screenshot test test-sanitized bench fuzz package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

# Checks the bundled example world and prints its report.
run: build
	$(BUILD)/zelvor-check examples/clean-world

# Builds and starts the desktop window.
gui: build
	$(BUILD)/zelvor

# Takes docs/screenshot.png of the real window under Xvfb.
screenshot: build
	ZELVOR_BINARY=$(BUILD)/zelvor scripts/screenshot

# The whole suite, then the core and command-line tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j2
	@$(MAKE) --no-print-directory test-sanitized

test-sanitized: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DZELVOR_SANITIZE=ON -DZELVOR_BUILD_GUI=OFF \
	  -DZELVOR_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-asan -j2
	@ctest --test-dir $(BUILD)-asan --output-on-failure -j2

# Release build, generated worlds, timing table (see bench/README.md).
bench:
	@scripts/install-deps --bench
	@bench/run

# The fuzz target for FUZZ_SECONDS seconds (see fuzz/run).
fuzz:
	@scripts/install-deps --fuzz
	@cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZELVOR_SANITIZE=ON \
	  -DZELVOR_BUILD_FUZZ=ON -DZELVOR_BUILD_TESTS=OFF -DZELVOR_BUILD_GUI=OFF \
	  -DZELVOR_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j2 --target zelvor_fuzz
	@fuzz/run $(BUILD)-fuzz $(FUZZ_SECONDS)

# The Debian package of the programs, man page, desktop file and icon: $(BUILD)/*.deb
package: build
	@cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-bench
