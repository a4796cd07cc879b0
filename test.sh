#!/usr/bin/env bash
# Installs what is missing, builds with sanitizers, checks the core suite
# once more built by clang, and runs every test.
source "$(dirname "$0")/scripts/common.sh"
install_missing "${TEST_PACKAGES[@]}"
build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON -DCORVANE_SANITIZE=ON
# A whole run (no test selection given) also checks the core with clang,
# first, so that the run ends with ctest's summary.
if [ $# -eq 0 ]; then
  "$ROOT/scripts/clang-core-tests.sh" --gtest_brief=1
fi
cd "$ROOT/build-test"
# Each test case runs as a process of its own on its own Xvfb (tests/with-xvfb.sh).
# A case that fails is run once more before it counts: LeakSanitizer's
# tracer now and then crashes at a process's exit under load (after the case
# passed), and one run per case gives it 500 exits to do so. A real failure
# fails twice.
ctest --output-on-failure --repeat until-pass:2 -j "$(nproc)" "$@"
