#!/usr/bin/env bash
# Runs a test executable on its own Xvfb server, so suites that run in
# parallel never share the pointer, keyboard focus or window stacking.
# Xvfb picks a free display number itself (-displayfd), so concurrent runs
# cannot race for one. CORVANE_XVFB_SCREEN sets the screen (default
# 2560x1600x24).
set -u
if ! command -v Xvfb >/dev/null 2>&1; then
  exec "$@"
fi
dir=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 "${CORVANE_XVFB_SCREEN:-2560x1600x24}" -nolisten tcp 5>"$dir/display" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 1 200); do
  [ -s "$dir/display" ] && break
  sleep 0.05
done
if [ ! -s "$dir/display" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$dir/display")"
"$@"
