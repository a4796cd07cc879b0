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

# Anything but one GoogleTest case (the case listing, a program) just runs.
case_run=0
for arg in "$@"; do
  [[ "$arg" == --gtest_filter=* ]] && case_run=1
done
if [ $case_run -eq 0 ]; then
  "$@"
  exit $?
fi

# LeakSanitizer's tracer now and then crashes during its scan at exit, under
# load, after the case has passed ("Tracer caught signal"), which turns the
# exit code to 1. Only that is run once more; every other failure counts.
tracer_crash_after_pass() { # <exit code> <log>
  [ "$1" -ne 0 ] &&
    grep -q '^\[  PASSED  \] ' "$2" &&
    ! grep -q '^\[  FAILED  \] ' "$2" &&
    grep -q 'Tracer caught signal' "$2"
}
"$@" 2>&1 | tee "$dir/log"
rc=${PIPESTATUS[0]}
if tracer_crash_after_pass "$rc" "$dir/log"; then
  echo "with-xvfb: LeakSanitizer's tracer crashed at exit after the case passed; running it once more"
  "$@" 2>&1
  rc=$?
fi
exit $rc
