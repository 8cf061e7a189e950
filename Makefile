# Entry points for a fresh Debian machine (run as root, or with sudo rights).
#   make test   installs what is missing, builds and runs every test, twice:
#               a normal build and one under AddressSanitizer + UBSan.
#   make run    installs what is missing, builds and starts both editors on
#               the example project: the board and its schematic.
#   make install  builds and installs both programs with their libraries,
#               icons and desktop entries under PREFIX (default /usr/local).
#   make deps   installs what is missing only.
#   make bench  builds the benchmark in build (RelWithDebInfo) and prints
#               each case against its baseline and goal; not part of make test.
#   make fuzz   installs clang if missing, builds the fuzz targets in
#               build-fuzz and runs each for FUZZ_SECONDS (default 180) on a
#               copy of its regression corpus.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja
FUZZ_SECONDS ?= 180
PREFIX ?= /usr/local

.PHONY: test run install deps build build-asan test-release test-asan bench fuzz clean

test: deps test-release test-asan

run: deps build
	./build/bin/skt examples/clignotant.Skt & ./build/bin/lyt examples/clignotant.Lyt; wait

install: deps build
	cmake --install build --prefix $(PREFIX)

deps:
	./tools/install-deps.sh

build:
	cmake -S . -B build $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

build-asan:
	cmake -S . -B build-asan $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DLYTSKT_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

test-release: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-asan: build-asan
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS) --target lytskt_bench
	./build/bin/lytskt_bench

fuzz:
	./tools/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLYTSKT_FUZZ=ON -DLYTSKT_BUILD_UI=OFF
	cmake --build build-fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) ./tools/run-fuzz.sh build-fuzz

clean:
	rm -rf build build-asan build-fuzz
