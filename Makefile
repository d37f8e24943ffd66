# Spiravel: `make run` starts the viewer, `make test` runs the whole suite.
BUILD := build
# -noreset: the server must not restart when the last test disconnects while another starts.
XVFB := xvfb-run -a -s "-screen 0 1600x1000x24 -noreset"

.PHONY: setup build run test bench soak screenshot icons clean

setup:
	@sh tools/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $$(nproc)

run: build
	$(BUILD)/spiravel

test: build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $$(nproc)

bench: build
	@for b in $(BUILD)/bench/*_bench; do [ -x "$$b" ] && $(XVFB) "$$b" || exit 1; done
	@sh tools/real_frames.sh $(BUILD)

# The real program's resident memory over MINUTES minutes of a full flower.
MINUTES ?= 60
soak: build
	@sh tools/soak.sh $(BUILD) $(MINUTES)

# Redraws the icon pixmaps and rewrites ui/Icons.cpp (text is drawn by the toolkit, hence Xvfb).
icons: setup
	@mkdir -p $(BUILD)
	c++ -std=c++17 -O2 -Wall -Wextra -o $(BUILD)/make_icons tools/make_icons.cpp $$(fltk-config --cxxflags --ldflags)
	$(XVFB) $(BUILD)/make_icons ui/Icons.cpp

screenshot: build
	@sh tools/screenshot.sh $(BUILD)/spiravel docs/screenshot.png

clean:
	rm -rf $(BUILD)
