# Two doors: `make run` builds and starts FOLIA ENGLISH; `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)
# Installs for the current user; no root needed.
PREFIX ?= $(HOME)/.local
# Rebuilds in several checkouts share compiled objects when ccache is there.
LAUNCHER := $(shell command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# `make fuzz` runs each harness this many seconds, this many at once; with FUZZ_RUNS, for
# that many executions instead, going on from the inputs earlier runs kept. FUZZ_HARNESSES
# names some of them (all when empty).
FUZZ_SECONDS ?= 60
FUZZ_AT_ONCE ?= 2
FUZZ_RUNS ?=
FUZZ_HARNESSES ?=

.PHONY: deps configure build run quillet test install uninstall package bench asan fuzz clean

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
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOLIA_SANITIZE=ON -DFOLIA_BENCHMARKS=OFF \
		$(LAUNCHER)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DFOLIA_FUZZ=ON -DFOLIA_BENCHMARKS=OFF $(LAUNCHER)
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	QT_QPA_PLATFORM=offscreen FUZZ_RUNS=$(FUZZ_RUNS) \
		fuzz/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_AT_ONCE) $(FUZZ_HARNESSES)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
