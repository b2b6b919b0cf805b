#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is formatted by the
# repository's .clang-format, builds everything with warnings as errors and
# runs every test: the .qmx loader's fuzzer for 60 seconds, the tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the tests of the
# ordinary build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# Prints every difference; any difference fails the run.
git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_TESTS=OFF -DCORVANE_BENCH=OFF
cmake --build build-fuzz -j"$jobs" --target fuzz_project_reader CorvaneMedia
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/fuzz_project_reader -max_total_time=60 build-fuzz/corpus fuzz/corpus

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=OFF \
  -DCORVANE_WERROR=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
