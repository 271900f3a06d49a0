#!/usr/bin/env bash
# Builds the Debian package tolvo_VERSION_amd64.deb (a release build, stripped)
# into build-package/dist and checks it with lintian. Install it with
#   sudo apt-get install ./build-package/dist/tolvo_VERSION_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build-package/dist/*.deb
cpack --preset package >/dev/null
deb=$(ls build-package/dist/tolvo_*_amd64.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb -f "$deb" Version Depends Recommends
# Errors fail.
lintian --fail-on error --tag-display-limit 0 "$deb"
