#!/usr/bin/env bash
# Runs every check: the format check, the release build with all tests, and the
# sanitizer build (AddressSanitizer and UndefinedBehaviorSanitizer) with all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/format-check.sh

jobs=$(nproc)
for preset in release sanitize; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset tests"
  ctest --preset "$preset" -j "$jobs"
done
