#!/usr/bin/env bash
# The main job on the bundled sample scene: builds the plug-in and the stand-in host
# (release), loads the plug-in into the host, and runs the demo scenario: a face mesh
# and three expression targets captured in the control panel, weighed on the sliders
# and blended into a result mesh. qmhost prints every step; the resulting scene is
# saved to build/demo-face.json. See docs/scenarios.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target qm_module qmhost tsxapi >/dev/null
build/release/bin/qmhost build/release/bin/Qm.tsx --script assets/scenarios/demo.qms
