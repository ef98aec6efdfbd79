# The whole set-up on a fresh Debian 12 machine: `make run` plays the game, `make test` runs every test.
BUILD := build
PROGRAM := $(BUILD)/bin/Pelmaroos Trivia!

.PHONY: run test build deps configure clean

run: build
	"$(PROGRAM)"

test: build
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --test-dir $(BUILD) --output-on-failure

build: configure
	cmake --build $(BUILD)

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset default

deps:
	@tools/install-deps.sh

clean:
	rm -rf $(BUILD)
