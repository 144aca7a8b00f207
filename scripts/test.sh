#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests, stage by stage.
#   scripts/test.sh            every stage below, in order: what CI runs
#   scripts/test.sh format     every C++ file checked against .clang-format (clang-format-14)
#   scripts/test.sh default    the whole suite, normal build (build/)
#   scripts/test.sh sanitize   the whole suite under AddressSanitizer + UndefinedBehaviorSanitizer
#                              (build-sanitize/), less the tests labelled nosanitize
#   scripts/test.sh fuzz       the libFuzzer targets (build-fuzz/, clang): each runs its seed corpus,
#                              then fuzzes for FUZZ_SECONDS (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

run_suite() {
  local preset="$1"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
}

check_format() {
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror
  echo "== format: every C++ file as .clang-format has it"
}

run_fuzz() {
  cmake --preset fuzz
  cmake --build --preset fuzz
  local seconds="${FUZZ_SECONDS:-60}"
  local artifacts="build-fuzz/artifacts"
  mkdir -p "$artifacts"
  for seeds in fuzz/corpus/*/; do
    local target
    target="$(basename "$seeds")"
    # New inputs go to a scratch corpus; the seeds in the tree stay as they are.
    local scratch="build-fuzz/corpus/$target"
    mkdir -p "$scratch"
    echo "== fuzz_$target: seed corpus, then ${seconds} s"
    "build-fuzz/bin/fuzz_$target" -runs=0 -artifact_prefix="$artifacts/$target-" "$seeds"
    "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$scratch" "$seeds"
  done
}

stage="${1:-all}"
scripts/install-deps.sh
case "$stage" in
  default | sanitize) run_suite "$stage" ;;
  format) check_format ;;
  fuzz) run_fuzz ;;
  all)
    check_format
    run_suite default
    run_suite sanitize
    run_fuzz
    ;;
  *)
    echo "usage: $0 [format|default|sanitize|fuzz]" >&2
    exit 2
    ;;
esac
