#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build,
# AddressSanitizer+UndefinedBehaviorSanitizer, and the threaded tests under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
jobs=$(nproc)
for preset in default asan tsan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
