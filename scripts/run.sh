#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: both components'
# typical roads on headless emulated handhelds, with screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
echo "== Hueprobe on an emulated Pocket PC =="
./build/default/emulator/ceemu hueprobe --headless
echo "== Dockfade on an emulated Windows Mobile device =="
./build/default/emulator/ceemu dockfade --headless
