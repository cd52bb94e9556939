#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test;
# then runs every test again in a build with the sanitizers, and each fuzz
# target for a bounded time. Any failure fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALLE_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error

# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer over the
# whole suite, the end-to-end and install tests included.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVALLE_WERROR=ON \
    -DQUENVALLE_SANITIZE=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --no-tests=error

# Four fuzz targets, fifteen seconds each.
fuzz/run.sh 15
