#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is formatted by the
# repository's .clang-format, builds everything with warnings as errors and
# runs every test: each fuzz target (the .qmx reader, the session script
# parser and the mesh, image and text loaders) for 60 seconds, the tests under
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
fuzz_targets=(project_reader session_script mesh_loader image_loader text_loader)
cmake --build build-fuzz -j"$jobs" --target CorvaneMedia "${fuzz_targets[@]/#/fuzz_}"
for target in "${fuzz_targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  # The loaders' debugger lines would fill the log: only the fuzzer's own
  # report and the sanitizers' are kept.
  build-fuzz/fuzz/fuzz_$target -max_total_time=60 -close_fd_mask=2 \
    "build-fuzz/corpus/$target" "fuzz/corpus/$target"
done

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=OFF \
  -DCORVANE_WERROR=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# A short soak: memory steady and the saved project read back as it was left.
bash scripts/soak.sh 300
