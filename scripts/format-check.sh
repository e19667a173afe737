#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror
echo "format check: all files formatted"
