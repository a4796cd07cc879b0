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
# Each test case runs as a process of its own on its own Xvfb
# (tests/with-xvfb.sh), which runs a case once more only when LeakSanitizer's
# tracer crashed at exit after the case passed.
ctest --output-on-failure -j "$(nproc)" "$@"
