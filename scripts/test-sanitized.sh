#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer,
# assertions on, into build-asan/, and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUENVAR_SANITIZE=ON -DQUENVAR_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
# Leaks inside the platform libraries (fontconfig, Qt's plugins) are theirs,
# not ours: tests/sanitizer/lsan.supp names them.
export LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_stack_use_after_return=1:strict_init_order=1"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
