# The two commands a new user needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test bench build deps clean format install package

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-program $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# PREFIX and DESTDIR as usual: make install PREFIX=/usr DESTDIR=/tmp/stage
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of both programs in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# The desktop program's benchmarks come with it; `make bench BENCH_UI=OFF` leaves them out.
BENCH_UI ?= ON
bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DJRV_BUILD_BENCH=ON -DJRV_BUILD_TESTS=OFF -DJRV_BUILD_UI=$(BENCH_UI)
	cmake --build $(BUILD)-bench -j $(JOBS)
	@scripts/run-bench $(BUILD)-bench

format:
	find src tests fuzz bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan
