#!/usr/bin/env bash
# The main job: builds the plug-in and the stand-in host, loads the plug-in into the
# host, registers it and clicks its icon.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target qm_module qmhost tsxapi >/dev/null
build/release/bin/qmhost build/release/bin/Qm.tsx click deactivate
