#!/usr/bin/env bash
# Sets up this machine (Debian packages, test locale), builds Tolvo with
# warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
