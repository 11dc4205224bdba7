# Two doors: `make run` builds and starts FOLIA ENGLISH; `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
# Installs for the current user; no root needed.
PREFIX ?= $(HOME)/.local
# Rebuilds in several checkouts share compiled objects when ccache is there.
LAUNCHER := $(shell command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps configure build run quillet test install uninstall package bench asan clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	"$(BUILD)/bin/folia_english/FOLIA ENGLISH"

quillet: build
	"$(BUILD)/bin/quillet_english/Quillet"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD) --strip --prefix "$(PREFIX)"

uninstall:
	cmake -DPREFIX="$(PREFIX)" -P cmake/Uninstall.cmake

package: build
	cd $(BUILD) && cpack -G TGZ

bench: build
	for b in $(BUILD)/bench/*/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b" || exit 1; fi; \
	done

asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOLIA_SANITIZE=ON $(LAUNCHER)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan
