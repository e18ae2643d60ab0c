#!/usr/bin/env bash
# Measures what including one component header costs the compiler, next to
# including <QWidget> and the nearest Qt widget: the CPU time (user + system)
# of `g++ -fsyntax-only` on a one-line translation unit, the fastest of
# several runs (load from elsewhere only ever adds time), the two sides taken
# in turn so that such load hits both.
#   scripts/header-cost.sh [runs] [build-dir]     (runs: default 7)
# The build directory supplies the generated export header (vok_export.h);
# the script configures nothing and needs only g++ and Qt's pkg-config files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
build=${2:-$root/build}
cxx=${CXX:-g++}

if [ ! -f "$build/include/vok/vok_export.h" ]; then
  echo "no $build/include/vok/vok_export.h: configure the build first" >&2
  exit 1
fi

flags=(-std=c++20 -fPIC -fsyntax-only -x c++ -I"$build/include")
for dir in "$root"/*/; do
  [ -d "$dir/vok" ] && flags+=(-I"$dir")
done
read -r -a qtflags <<< "$(pkg-config --cflags Qt6Widgets)"
flags+=("${qtflags[@]}")

# CPU seconds of one syntax check of the given source text.
cpu_seconds() {
  local TIMEFORMAT='%3U %3S' t
  t=$({ time "$cxx" "${flags[@]}" - <<< "$1" > /dev/null; } 2>&1)
  awk '{ printf "%.3f\n", $1 + $2 }' <<< "$t"
}

fastest() {
  sort -n | head -n 1
}

# One row: the component header against <QWidget> plus its Qt counterpart.
compare() {
  local header=$1 qt=$2 ours=() theirs=() i
  for ((i = 0; i < runs; i++)); do
    theirs+=("$(cpu_seconds "#include <QWidget>
#include <$qt>")")
    ours+=("$(cpu_seconds "#include <vok/$header>")")
  done
  local best_ours best_theirs
  best_ours=$(printf '%s\n' "${ours[@]}" | fastest)
  best_theirs=$(printf '%s\n' "${theirs[@]}" | fastest)
  awk -v h="$header" -v q="$qt" -v o="$best_ours" -v t="$best_theirs" \
    'BEGIN { printf "%-18s %7.3f s   <QWidget>+<%s> %7.3f s   ratio %.2f\n", h, o, q, t, o / t }'
}

echo "fastest CPU time of g++ -fsyntax-only over $runs runs"
compare Vok_NumIO.h QSpinBox
compare Vok_Meter.h QDial
compare Vok_replist.h QTableView
compare Vok_ProgBar.h QProgressBar
compare Vok_onoffbut.h QCheckBox
compare Vok_NumLab.h QLabel
compare Vok_sevenseg.h QLCDNumber
compare Vok_RasterLab.h QLabel
compare Vok_RotLab.h QLabel
compare Vok_gradfl.h QFrame
compare Vok_repsbut.h QToolButton
compare Vok_MiniCal.h QCalendarWidget
compare Vok_Colsel.h QComboBox
compare Vok_Colbut.h QPushButton
compare Vok_marksel.h QComboBox
compare Vok_FolderTree.h QTreeView
compare Vok_Thumbnails.h QListView
compare Vok_controls.h QWidget
compare Vok_platform.h QWidget
compare VokComponents.h QWidget
