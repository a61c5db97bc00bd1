# The two everyday commands set the machine up first, so each works alone on a fresh Debian.
JOBS ?= $(shell nproc)
BUILD ?= build
CHECK_BUILD ?= build-check

.PHONY: deps build run test check clean

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zv9tk4

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

check: deps
	cmake -S . -B $(CHECK_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON
	cmake --build $(CHECK_BUILD) -j $(JOBS)
	cd $(CHECK_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(CHECK_BUILD)
