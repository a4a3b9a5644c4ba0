# Two commands for a fresh machine: `make run` and `make test`.
# Build trees: build/native (portable code, its tests and the tools, as Linux
# programs, with sanitizers), build/windows (everything, as Windows x64
# programs tested under Wine), build/debug (the Windows programs with
# assertions and the message trace), build/bench and build/fuzz on demand.
.PHONY: run test setup native windows dist debug bench fuzz format style clean
JOBS ?= $(shell nproc)

run: setup windows
	scripts/run

test: setup native windows
	scripts/test

setup:
	scripts/setup

native:
	scripts/build native

windows: native
	scripts/build windows

# The zip a Windows user unpacks and runs: the program, stripped, with its data.
dist: setup windows
	cmake --build build/windows --target dist_zip
	@echo "dist: build/windows/Kanvio.zip"

debug: setup native
	scripts/build debug

bench: setup windows
	scripts/build bench
	scripts/bench

fuzz: setup
	scripts/build fuzz
	scripts/fuzz $(or $(SECONDS),60)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The house style's check (docs/house-style.md); make test runs it too.
style: setup native windows
	scripts/style

clean:
	rm -rf build/native build/windows build/debug build/bench build/fuzz build/screenshots build/e2e
