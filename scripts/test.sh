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
# A few seconds per libFuzzer target from the seeds in tests/fixtures/: catches
# crashes and broken round trips of the preset reader and the argument parser.
bash scripts/fuzz.sh 5
