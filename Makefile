# make run: install what is missing, build, start Tavelin.
# make test: install what is missing, build, run every test (also under the sanitizers, and the
# Windows build under Wine).
# make windows: cross-build the Windows program, tavelin.exe with its help beside it, and the
# download zip that holds both.
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_WINDOWS ?= build-windows
BUILD_FUZZ ?= build-fuzz
# Seconds of fuzzing in `make test`, and in `make soak` with its number of kills of a save.
FUZZ_TIME ?= 20
SOAK_FUZZ_TIME ?= 600
SOAK_KILLS ?= 200
BUILD_BENCH ?= build-bench
WERROR ?= OFF
JOBS ?= $(shell nproc)
CMAKE_ARGS ?=
# Debian keeps the 64-bit Wine loader out of PATH; other systems install it as wine64.
WINE ?= $(firstword $(wildcard /usr/lib/wine/wine64) wine64)
# A Wine of its own for the tests, quiet, with code page 1252 (the Western European one) as the
# ANSI code page.
wine_env = WINEPREFIX=$(abspath $(1))/wineprefix WINEDEBUG=-all LC_ALL=C.UTF-8
WINE_ENV = $(call wine_env,$(BUILD_WINDOWS))
# $(call wine_prefix,FOLDER): FOLDER/wineprefix, made once, without a display, so that no
# installer dialog waits for a click.
wine_prefix = @[ -f $(1)/wineprefix/system.reg ] || { \
  echo "Preparing Wine in $(1)/wineprefix"; \
  env -u DISPLAY $(call wine_env,$(1)) WINEDLLOVERRIDES='mscoree,mshtml=' $(WINE) wineboot -i \
    >/dev/null 2>&1 && env $(call wine_env,$(1)) wineserver -w; }

.PHONY: all deps build build-asan run test test-asan windows test-windows build-fuzz fuzz soak bench format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELIN_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DTAVELIN_SANITIZE=ON -DTAVELIN_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to show Tavelin on: run it under a virtual one with 'xvfb-run -a make run'."; \
	  exit 1; \
	fi
	@# "Info" opens the help document from the folder the program was started in.
	cp $(BUILD)/Tavelin.pdf Tavelin.pdf
	$(BUILD)/src/app/tavelin

# The Qt tests run offscreen, except the one that needs a window manager's frames: it brings its
# own virtual X screen with openbox (tests/gui/framed).
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory fuzz
	$(MAKE) --no-print-directory test-windows

test-asan: build-asan
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# The Windows program, cross-built with MinGW-w64 and optimised: $(BUILD_WINDOWS)/tavelin.exe with
# Tavelin.pdf beside it, and the download zip of both. Its icon and its help document are drawn by
# Qt tools, which only the Linux build has: they are built there and handed over.
# $(call windows_configure,FOLDER,LINUX-BUILD,MORE-ARGS)
windows_configure = cmake -S . -B $(1) \
  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR=$(WINE) -DCMAKE_BUILD_TYPE=Release -DTAVELIN_GUI=OFF \
  -DTAVELIN_WERROR=$(WERROR) -DTAVELIN_ICON_FILE=$(abspath $(2))/src/app/tavelin.ico \
  -DTAVELIN_HELP_DOCUMENT=$(abspath $(2))/Tavelin.pdf $(3)

windows: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELIN_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target help_document tavelin_windows_icon
	$(call windows_configure,$(BUILD_WINDOWS),$(BUILD))
	cmake --build $(BUILD_WINDOWS) -j $(JOBS) --target tavelin_download
	@# The hashes to publish beside the download.
	@cd $(BUILD_WINDOWS) && sha256sum tavelin.exe Tavelin-*-windows-x64.zip

# The Windows program, its front end, the core and the Win32 platform layer under Wine.
# The tests run on a virtual display, which Notepad needs, and Wine is let go before it closes.
test-windows: windows
	cmake --build $(BUILD_WINDOWS) -j $(JOBS)
	$(call wine_prefix,$(BUILD_WINDOWS))
	@# T: is an empty folder of its own, for the walk from a drive root.
	rm -rf $(BUILD_WINDOWS)/drive-t && mkdir $(BUILD_WINDOWS)/drive-t
	ln -sfn $(abspath $(BUILD_WINDOWS))/drive-t $(BUILD_WINDOWS)/wineprefix/dosdevices/t:
	cd $(BUILD_WINDOWS) && env $(WINE_ENV) TAVELIN_TEST_DRIVE=T: xvfb-run -a sh -c \
	  'ctest --output-on-failure --timeout 600 -j $(JOBS); status=$$?; \
	   timeout 60 wineserver -w || wineserver -k; exit $$status'

# Times and memory for huge folders against the file system's own pace, `tree -a` and a minimal
# program, for the Qt program and then for tavelin.exe under Wine on a virtual display: release
# builds of their own, trees made and removed in a temporary folder that Wine reaches through Z:.
BUILD_BENCH_WINDOWS ?= $(BUILD_BENCH)/windows
bench: deps
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DTAVELIN_BENCH=ON -DBUILD_TESTING=OFF \
	  -DTAVELIN_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD_BENCH) -j $(JOBS) --target tavelin_bench help_document tavelin_windows_icon
	$(call windows_configure,$(BUILD_BENCH_WINDOWS),$(BUILD_BENCH),-DTAVELIN_BENCH=ON -DBUILD_TESTING=OFF)
	cmake --build $(BUILD_BENCH_WINDOWS) -j $(JOBS) --target tavelin_bench
	$(call wine_prefix,$(BUILD_BENCH_WINDOWS))
	@# A screen of a desktop's depth: at Xvfb's own 8 bits Wine would convert every picture it shows.
	env $(call wine_env,$(BUILD_BENCH_WINDOWS)) QT_QPA_PLATFORM=offscreen \
	  xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
	  '$(BUILD_BENCH)/bench/linux/tavelin_bench --windows $(WINE) \
	     $(BUILD_BENCH_WINDOWS)/bench/windows/tavelin_bench.exe; status=$$?; \
	   timeout 60 wineserver -w || wineserver -k; exit $$status'

# The recent-folders file under libFuzzer, built with clang, AddressSanitizer and UBSan. New
# inputs go to the build folder, the seeds in fuzz/corpus stay as they are; a finding stops the
# run with its input written to the build folder.
build-fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTAVELIN_FUZZ=ON -DTAVELIN_GUI=OFF -DBUILD_TESTING=OFF -DTAVELIN_WERROR=$(WERROR)
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target recents_fuzzer

fuzz: build-fuzz
	mkdir -p $(BUILD_FUZZ)/corpus
	$(BUILD_FUZZ)/fuzz/recents_fuzzer -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	  -artifact_prefix=$(BUILD_FUZZ)/ $(BUILD_FUZZ)/corpus fuzz/corpus/recents

# What takes too long for every test run: ten minutes of fuzzing, and 200 kills of the program
# while it saves the recent folders.
soak: build
	$(MAKE) --no-print-directory fuzz FUZZ_TIME=$(SOAK_FUZZ_TIME)
	TAVELIN_KILLS=$(SOAK_KILLS) $(BUILD)/tests/hardening/hardening_tests \
	  --gtest_filter='KillWhileSaving.*'

format:
	find src tests -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_WINDOWS) $(BUILD_FUZZ)
