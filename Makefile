# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# The whole set-up on a fresh Debian 12 or 13 machine: `make run` plays the game, `make test` runs every test.
# A system without make gets it from tools/install-deps.sh, which the README's two commands run first.
BUILD := build
PROGRAM := $(BUILD)/bin/Pelmaroos Trivia!

.PHONY: run test build deps test-deps configure clean format-check art-check bench approve-screens windows-qt windows test-windows fuzz

run: build
	"$(PROGRAM)"

test: test-deps build
	ctest --test-dir $(BUILD) --output-on-failure

# Renders every screen anew into tests/golden/, the approved pictures the tests compare with (and the
# README shows), under the tests' own fonts. Look at what changed before committing it.
approve-screens: test-deps build
	PELMAROOS_APPROVE_SCREENS=1 ctest --test-dir $(BUILD) -R '^ScreensTest(\.At2x)?$$'

build: configure
	cmake --build $(BUILD)

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset default

deps:
	@tools/install-deps.sh

test-deps:
	@tools/install-deps.sh test

clean:
	rm -rf $(BUILD)

# The pictures drawn anew from the art code (tools/art) into a scratch folder must be the committed ones.
art-check: deps
	rm -rf $(BUILD)/art && /usr/bin/python3 -m tools.art $(BUILD)/art >/dev/null
	diff -r $(BUILD)/art/screens/pictures screens/pictures
	diff -r $(BUILD)/art/desktop/icons desktop/icons

# Every tracked C++ file as .clang-format lays it out (screens/ keeps its hand-made rows).
format-check:
	@tools/install-deps.sh format
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

# The cue reader under libFuzzer, ASan and UBSan for FUZZ_SECONDS. Fails on a crash, a leak, a hang over
# a second or an allocation over 256 MiB, and leaves the input that did it in build-fuzz/findings/. Its
# first inputs are SoundTest's hand-made hostile files and the start of each cue.
FUZZ_SECONDS ?= 60
FUZZ := $(CURDIR)/build-fuzz
fuzz: build
	@tools/install-deps.sh fuzz
	@test -f $(FUZZ)/build.ninja || cmake --preset fuzz
	cmake --build $(FUZZ) --target CueFuzz
	rm -rf $(FUZZ)/rows && mkdir -p $(FUZZ)/rows $(FUZZ)/corpus $(FUZZ)/findings
	TMPDIR=$(FUZZ)/rows PELMAROOS_KEEP_CUE_ROWS=1 QT_QPA_PLATFORM=offscreen \
		$(BUILD)/tests/SoundTest everyFilePlaysOrIsRefusedSafely adpcmDecodesAsItsFormatDefines >/dev/null
	find $(FUZZ)/rows -type f -size -1024k -exec cp {} $(FUZZ)/corpus/ \;
	for cue in sounds/*.wav; do head -c 16384 $$cue > $(FUZZ)/corpus/cue-$$(basename $$cue); done
	$(FUZZ)/tests/fuzz/CueFuzz -max_total_time=$(FUZZ_SECONDS) -timeout=1 -malloc_limit_mb=256 -max_len=65536 \
		-print_final_stats=1 -artifact_prefix=$(FUZZ)/findings/ $(FUZZ)/corpus

# Release build of the game and its probes; prints a table and writes build/bench/results.json.
# BENCH_BEFORE=<an earlier version's build-release> times that version's game in the same turns.
bench: test-deps
	@test -f build-release/build.ninja || cmake --preset release
	cmake --build build-release
	python3 bench/run_bench.py build-release build/bench/results.json $(BENCH_BEFORE)

# A Debian package of a Release build: build-release/pelmaroos-trivia_<version>_<arch>.deb.
.PHONY: package
package: test-deps
	@test -f build-release/build.ninja || cmake --preset release
	cmake --build build-release --target package

# Qt for Windows, cross-built once from Debian's source (about 20 minutes) into ~/.cache, with the tools
# the Windows build and its test need. Once it is there, `make test` also plays the Windows program under Wine.
windows-qt: deps
	@tools/install-deps.sh windows
	@tools/windows/build-qt.sh >/dev/null

# The Windows program and build-windows/pelmaroos-trivia-<version>-windows-x64.zip, cross-built against that Qt.
windows: windows-qt
	@if [ ! -f build-windows/build.ninja ]; then \
	    PELMAROOS_WINDOWS_QT="$$(tools/windows/build-qt.sh --cached)" cmake --preset windows; fi
	cmake --build build-windows

# The Windows program cross-built into the test build, its zip unpacked and played under Wine on an X server
# of the test's own; its screenshots go to build/windows/wine-screens/.
test-windows: windows-qt build
	ctest --test-dir $(BUILD) --output-on-failure -R '^e2e\.UnderWine$$'
