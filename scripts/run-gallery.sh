#!/usr/bin/env bash
# Builds everything and starts the gallery. Without a display it renders every
# page to PNG files instead and prints where they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/scripts/build.sh" "$build"

gallery=$build/apps/gallery/vok_gallery
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$gallery" "$@"
fi
out=$build/gallery-screenshots
QT_QPA_PLATFORM=offscreen "$gallery" --screenshot "$out"
echo "No display: the gallery pages were written to $out"
