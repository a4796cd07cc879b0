#!/usr/bin/env bash
# Instructions a program spends from its start until its first frame is on
# the screen: the end of the first flush of a window's painting (with
# OpenGL widgets in the window, the composition that puts their frames up).
# Counted by callgrind, so the figure does not move with the machine's load.
# The program runs once plainly first, so that shader caches are warm, and
# must exit by itself (gustrel does with --screenshot).
#
#   scripts/first-frame.sh                      # the dashboard of build-release
#   scripts/first-frame.sh PROGRAM [ARGS...]    # any other program, e.g. a peer
#
# Prints "first-frame <instructions> <program>".
source "$(dirname "$0")/common.sh"
command -v valgrind >/dev/null || install_missing valgrind
if [ -z "${DISPLAY:-}" ]; then
  with_display "$0" "$@"
  exit
fi

if [ $# -eq 0 ]; then
  program="$ROOT/build-release/app/gustrel"
  [ -x "$program" ] || build build-release -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF
  set -- "$program" --screenshot "$(mktemp -d)/first-frame.png"
fi

measure() {
  local out
  out=$(mktemp -d)
  "$@" >/dev/null 2>&1 || true
  valgrind --tool=callgrind --callgrind-out-file="$out/cg.%p" \
    --dump-after='QPlatformBackingStore::composeAndFlush*' --dump-after='QBackingStore::flush*' \
    "$@" >"$out/log" 2>&1 &
  local pid=$!
  # The first dump holds everything up to the end of the first flush.
  while kill -0 "$pid" 2>/dev/null && ! ls "$out"/cg.*.1 >/dev/null 2>&1; do sleep 1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  local dump
  dump=$(ls "$out"/cg.*.1 2>/dev/null | head -n1)
  if [ -z "$dump" ]; then
    echo "first-frame: no frame was flushed (see $out/log)" >&2
    exit 1
  fi
  # The first dump can still be being written when it appears.
  while ! grep -q '^totals:' "$dump"; do sleep 1; done
  echo "first-frame $(awk '/^totals:/ { print $2 }' "$dump") $1"
  rm -rf "$out"
}

measure "$@"
