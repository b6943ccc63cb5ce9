#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
#  0. the formatting of every C++ file (scripts/check-format.sh), the include structure:
#     floors and cycles (scripts/check_layers.sh) and its own test;
#  1. the release build: core tests, widget tests (offscreen), and the benchmarks build;
#  2. the core and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer
#     (clang), with the libFuzzer targets, each fuzzed for 30 seconds;
#  3. the widget tests of the background jobs (marking, comparing, files) and the
#     core tests of orvel-cli's pipeline under ThreadSanitizer;
#  4. the install into a temporary prefix and the .deb package of the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/check_layers.sh
bash scripts/check_layers_test.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORVEL_CORE_ONLY=OFF -DORVEL_BENCH=ON \
    -DORVEL_FUZZ=OFF -DORVEL_SANITIZE= >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DORVEL_CORE_ONLY=ON \
    -DORVEL_BENCH=OFF -DORVEL_FUZZ=ON -DORVEL_SANITIZE=address,undefined >/dev/null
cmake --build build-san -j"$jobs"
ctest --test-dir build-san --output-on-failure

# 3. The background jobs, the marking and compare workers on them, and the windows that run them
#    under ThreadSanitizer (clang, with Qt).
CC=clang CXX=clang++ cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DORVEL_CORE_ONLY=OFF \
    -DORVEL_BENCH=OFF -DORVEL_FUZZ=OFF -DORVEL_SANITIZE=thread >/dev/null
cmake --build build-tsan -j"$jobs" --target orvel_gui_tests orvel_core_tests
# The distribution's Qt is not built with the sanitizer, so its inner
# synchronisation (its own helper threads) is invisible to it: the tool is told
# to ignore what Qt's libraries do themselves. Every access of our code, also
# when Qt's event loop calls it, is still checked.
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1" \
    ./build-tsan/orvel_gui_tests --gtest_filter='MarkCommandsTest.*:JobChannel*:BackgroundJob*:FileJobsTest.*:FindBytesTest.*:*CompareWorker*:CompareWindowTest.*:ExitTest.*'
# The ordered pipeline of orvel-cli and what runs on it (dump, compare), and
# the command line itself, built with the sanitizer too.
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ./build-tsan/orvel_core_tests --gtest_filter='BlockPipeline*:DumpStream*:InputCompare*:CliFiles*:CompareCli*:DumpVerb*'

shopt -s nullglob
for fuzzer in build-san/fuzz/fuzz_*; do
    echo "fuzzing $(basename "$fuzzer") for 30 s"
    corpus=$(mktemp -d)
    "$fuzzer" -max_total_time=30 -print_final_stats=0 "$corpus" 2>"$corpus.log" || {
        tail -n 40 "$corpus.log"
        exit 1
    }
    rm -rf "$corpus" "$corpus.log"
done

# 4. What `cmake --install` and cpack make of the release build: every file in
#    place, the desktop entry valid, the package's dependencies named.
bash scripts/check-install.sh build

echo "all tests passed"
