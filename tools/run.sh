#!/usr/bin/env bash
# Sets up this machine (Debian packages), builds Tolvo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tolvo
exec build/bin/tolvo "$@"
