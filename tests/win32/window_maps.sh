#!/usr/bin/env bash
# Tolvo.exe starts under Wine, its window maps on the X server with its
# caption, and it ends cleanly when the window is closed. With "any" after
# it, another program's window of any title (the bare dialog: the check
# itself on this machine, also while no Tolvo.exe is built).
# Usage: window_maps.sh WINE PROBE TOLVO_EXE [any]
set -euo pipefail
source "$(dirname "$0")/wine_window.sh"
require_program_display_prefix "$3"
window_maps "$1" "$2" "$3" "${4:-}"
