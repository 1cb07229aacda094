# The newcomer's commands. Each one installs what is missing first.
.PHONY: all setup build run test test-sanitize stress bench package test-package windows test-windows \
	release test-release clean

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
	@sh scripts/run.sh $(BUILD_DIR)/qt/app/bitloom

test: build
	ctest --preset $(PRESET)

# The whole suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer; any report fails it.
test-sanitize: setup
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# The random-user test at length, 50 seeds of 4,000 actions; the Win32
# window's under Wine, 10 seeds of 1,000 actions with real input (about ten
# minutes; the Windows tools are installed first, as for test-windows); then
# the companion command's parsers under libFuzzer for a bounded time.
STRESS_SEEDS ?= 50
STRESS_ACTIONS ?= 4000
WINDOWS_STRESS_SEEDS ?= 10
WINDOWS_STRESS_ACTIONS ?= 1000
stress: build
	QT_QPA_PLATFORM=offscreen BITLOOM_RANDOM_SEEDS=$(STRESS_SEEDS) \
	    BITLOOM_RANDOM_ACTIONS=$(STRESS_ACTIONS) $(BUILD_DIR)/tests/qt/ui/tst_randomuser
	@sh scripts/setup.sh $(WINDOWS_PACKAGES)
	cmake --preset windows
	cmake --build --preset windows --target tst_win32_randomuser
	BITLOOM_RANDOM_SEEDS=$(WINDOWS_STRESS_SEEDS) BITLOOM_RANDOM_ACTIONS=$(WINDOWS_STRESS_ACTIONS) \
	    sh scripts/wine-run.sh build/windows/bin/tst_win32_randomuser.exe
	@sh scripts/setup.sh clang libclang-rt-14-dev
	sh scripts/fuzz-cli.sh

# Start-up to the first frame and peak memory against a bare Qt window, and
# the in-process cost of a click, a reset and a view switch: one table; then
# bitloom-flags' time and memory on a 200 MB file. Its
# own release build, in build/bench, on a virtual X server of its own that
# does not reset between probes. Then bitloom.exe beside a bare Win32 window,
# both cross-built alike, started in turn under Wine with a warm wineserver
# (the Windows tools are installed first, as for test-windows).
BENCH_RUNS ?= 15
bench: setup
	cmake --preset bench
	cmake --build --preset bench
	xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' build/bench/bench/qt/bitloom-bench $(BENCH_RUNS)
	build/bench/bench/cli/bitloom-flags-bench build/bench/cli/bitloom-flags build/bench 5
	@sh scripts/setup.sh $(WINDOWS_PACKAGES)
	cmake --preset windows -DBITLOOM_BENCH=ON
	cmake --build --preset windows --target start-bench
	sh scripts/wine-session.sh start build/windows/wine
	sh scripts/wine-run.sh build/windows/bin/start-bench.exe $(BENCH_RUNS); \
	    status=$$?; sh scripts/wine-session.sh stop build/windows/wine; exit $$status

# A Debian package of a release build, in build/release/package, built with
# Debian's hardening flags; help2man writes bitloom-flags' manual page under a
# French locale built from the locales package.
DEB_BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP="-g -O2" \
	dpkg-buildflags
RELEASE_CONFIGURE = cmake --preset release \
	-DCMAKE_CXX_FLAGS="$$($(DEB_BUILDFLAGS) --get CPPFLAGS) $$($(DEB_BUILDFLAGS) --get CXXFLAGS)" \
	-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_BUILDFLAGS) --get LDFLAGS)"
package:
	@sh scripts/setup.sh help2man locales
	$(RELEASE_CONFIGURE)
	cmake --build --preset release
	cpack --config build/release/CPackConfig.cmake -G DEB -B build/release/package

# The same package, checked as a distribution would check it: lintian with no
# error or warning, appstreamcli and desktop-file-validate on what it installs.
test-package:
	@sh scripts/setup.sh help2man locales lintian appstream
	$(RELEASE_CONFIGURE) -DBITLOOM_PACKAGE_CHECKS=ON
	cmake --build --preset release
	ctest --test-dir build/release --verbose

# The Windows programs, cross-built with MinGW-w64, and their zip:
# build/windows/bitloom-<version>-windows-x64.zip. The cross compiler, Wine
# and the rest are installed only for these two targets.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix wine wine64 doctest-dev icoutils locales fonts-wine
windows:
	@sh scripts/setup.sh $(WINDOWS_PACKAGES)
	cmake --preset windows
	cmake --build --preset windows
	cpack --config build/windows/CPackConfig.cmake -B build/windows

# The Windows suite, under Wine on a virtual screen (the first run also makes
# the Wine prefix, build/windows/wine).
test-windows:
	@sh scripts/setup.sh $(WINDOWS_PACKAGES)
	cmake --preset windows
	cmake --build --preset windows
	ctest --preset windows

# Every download of the version, built afresh into build/dist with their
# SHA256SUMS: the Debian package, the Windows zip and the Windows installer,
# dated by the last commit so that anyone rebuilds the same bytes
# (scripts/release.sh). The cross compiler, NSIS and the other tools are
# installed only for these two targets.
RELEASE_PACKAGES = help2man locales g++-mingw-w64-x86-64-posix icoutils nsis strip-nondeterminism
release:
	@sh scripts/setup.sh $(RELEASE_PACKAGES)
	sh scripts/release.sh

# The release built twice, from two copies of the tree in other folders and
# later, must be the same bytes (diffoscope shows the first difference); then
# its installer under Wine: install, Start menu, uninstall entry, the window,
# upgrade and uninstall, which must leave nothing (scripts/test-release.sh).
test-release:
	@sh scripts/setup.sh $(RELEASE_PACKAGES) $(WINDOWS_PACKAGES) diffoscope-minimal unzip procps
	sh scripts/test-release.sh

clean:
	rm -rf build
