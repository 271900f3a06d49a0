#!/usr/bin/env bash
# Sets up this machine (Debian packages), builds Tolvo and what an installation
# takes (tolvo-fit, the man pages), and starts it; `cmake --install build` then works.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target installable
exec build/bin/tolvo "$@"
