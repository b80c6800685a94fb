#!/usr/bin/env bash
# Installs what is missing, builds Morvane and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
# Tests never need a display: widgets run on the offscreen platform.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2

# ---- Fuzzing (separate clang build in build-fuzz/) ----------------------
# A few seconds per libFuzzer target from the seeds in tests/fixtures/ and
# tests/fuzz/corpus/: catches crashes and broken properties of every reader of
# outside input and of the name rules.
bash scripts/fuzz.sh 5

# ---- Sanitizers (separate gcc build in build-asan/) ---------------------
# The whole suite again, built with AddressSanitizer (leak check included)
# and UndefinedBehaviorSanitizer: any finding fails its test. Qt's own
# allocations do not show up as leaks, so LeakSanitizer stays on.
started=$SECONDS
bash scripts/build.sh build-asan -DMORVANE_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j2 --timeout 1800
echo "sanitizer build and tests: $((SECONDS - started)) s"

# ---- Debian package (packs build/, no second compile) -------------------
# Lintian and the manual page; then, as root, install it with apt, rename and
# undo with the installed program, validate its desktop files and purge it.
started=$SECONDS
bash scripts/package.sh --from build
bash scripts/check-package.sh
echo "package build and check: $((SECONDS - started)) s"
