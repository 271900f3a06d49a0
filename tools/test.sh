#!/usr/bin/env bash
# Sets up this machine (Debian packages, test locale), builds Tolvo with
# warnings as errors and runs every test: the Linux suite, then the Windows
# build's (Tolvo.exe and its windows, the installer, every scenario) under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
bash tools/windows.sh
