# Spiravel: `make run` starts the viewer, `make test` runs the whole suite,
# `make check` runs it again built with the address and undefined-behaviour sanitizers.
BUILD := build
CHECK := build-check
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# -noreset: the server must not restart when the last test disconnects while another starts.
XVFB := xvfb-run -a -s "-screen 0 1600x1000x24 -noreset"

.PHONY: setup build run test check stress bench real-frames noop-cpu own-cpu soak screenshot icons install uninstall deb clean

setup:
	@sh tools/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $$(nproc)

run: build
	$(BUILD)/spiravel

test: build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $$(nproc)

# Any sanitizer report fails the test it comes from; leaks too, except those
# of the toolkit, X, fontconfig and Mesa and the windows that live to the end.
check: setup
	@cmake -S . -B $(CHECK) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	@cmake --build $(CHECK) -j $$(nproc)
	cd $(CHECK) && \
	  ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/leaks.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(XVFB) ctest --output-on-failure -j $$(nproc)

# A long random session through the palette, the view and the window size.
stress: build
	SPIRAVEL_STRESS_ACTIONS=100000 $(XVFB) $(BUILD)/tests/core/stress_test

bench: build
	@for b in $(BUILD)/bench/*_bench; do [ -x "$$b" ] && $(XVFB) "$$b" || exit 1; done
	@sh tools/real_frames.sh $(BUILD)
	@sh tools/noop_cpu.sh $(BUILD)
	@sh tools/own_cpu.sh $(BUILD)

# Only the real program's frames against the vertex-array reference.
real-frames: build
	@sh tools/real_frames.sh $(BUILD)

# Only the CPU per frame a graphics card's driver would see: the real program
# and the reference on Mesa's no-op back-end.
noop-cpu: build
	@sh tools/noop_cpu.sh $(BUILD)

# Only the real program's own CPU per frame, sampled by perf.
own-cpu: build
	@sh tools/own_cpu.sh $(BUILD)

# The real program's resident memory over MINUTES minutes of a full flower.
MINUTES ?= 60
soak: build
	@sh tools/soak.sh $(BUILD) $(MINUTES)

# Redraws the icon pixmaps, rewriting ui/Icons.cpp, and the program's own icons
# in data/icons (text is drawn by the toolkit, hence Xvfb).
icons: build
	$(XVFB) $(BUILD)/make_icons ui/Icons.cpp data/icons

# `sudo make install`, or `make install DESTDIR=/some/stage`; PREFIX as usual.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

uninstall:
	@sh tools/uninstall.sh $(BUILD) "$(PREFIX)"

# spiravel_VERSION_ARCH.deb here, built from a clean copy of the tree and checked by lintian.
deb: setup
	@sh tools/deb.sh

screenshot: build
	@sh tools/screenshot.sh $(BUILD)/spiravel docs/screenshot.png

clean:
	rm -rf $(BUILD) $(CHECK)
