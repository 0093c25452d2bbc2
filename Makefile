# The two commands a newcomer needs: `make run` and `make test`; `make gui`
# starts the desktop window.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run gui screenshot test package clean

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

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j2

# The Debian package of the programs, man page, desktop file and icon: $(BUILD)/*.deb
package: build
	@cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
