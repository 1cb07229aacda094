# The newcomer's commands. Each one installs what is missing first.
.PHONY: all setup build run test package clean

PRESET ?= dev
BUILD_DIR = build/$(PRESET)

all: build

setup:
	@sh scripts/setup.sh

$(BUILD_DIR)/CMakeCache.txt: | setup
	cmake --preset $(PRESET)

build: setup $(BUILD_DIR)/CMakeCache.txt
	cmake --build --preset $(PRESET)

run: build
	@sh scripts/run.sh $(BUILD_DIR)/app/bitloom

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

# A Debian package of a release build, in build/release/package.
package: setup
	cmake --preset release
	cmake --build --preset release
	cpack --config build/release/CPackConfig.cmake -G DEB -B build/release/package

clean:
	rm -rf build
