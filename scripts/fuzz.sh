#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# a bounded time:  scripts/fuzz.sh [seconds-per-target] [target...]
# (default 60 s, every target). Seeds come from tests/fixtures/ and
# tests/fuzz/corpus/<target>/; new inputs collect in build-fuzz/corpus/.
# A tests/fuzz/<target>.dict gives libFuzzer the words of that grammar.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
only=("$@")
build=build-fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DMORVANE_FUZZ=ON >/dev/null

# target:seed folder
targets=(
  "fuzz_preset_reader:tests/fixtures/presets"
  "fuzz_command_line:tests/fixtures/cli"
)
for seeds in tests/fuzz/corpus/*/; do
  seeds=${seeds%/}
  targets+=("$(basename "$seeds"):$seeds")
done
if [ ${#only[@]} -gt 0 ]; then
  chosen=()
  for entry in "${targets[@]}"; do
    for name in "${only[@]}"; do
      [ "${entry%%:*}" = "$name" ] && chosen+=("$entry")
    done
  done
  targets=("${chosen[@]}")
fi
names=()
for entry in "${targets[@]}"; do names+=("${entry%%:*}"); done
cmake --build "$build" --target "${names[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for entry in "${targets[@]}"; do
  name=${entry%%:*}
  seeds=${entry#*:}
  corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/artifacts"
  echo "== $name for ${seconds}s"
  # The seed folder is read only; findings and new inputs stay in build-fuzz/.
  log="$build/artifacts/$name.log"
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  set +e
  "$build/tests/fuzz/$name" "$corpus" "$seeds" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artifacts/$name-" -print_final_stats=1 >"$log" 2>&1
  status=$?
  set -e
  tail -n 12 "$log"
  if [ "$status" -ne 0 ]; then
    echo "$name failed (status $status); the input is in $build/artifacts/" >&2
    exit "$status"
  fi
done
