#!/usr/bin/env bash
# Installs what is missing, builds with sanitizers and runs every test.
source "$(dirname "$0")/scripts/common.sh"
install_missing
build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON -DCORVANE_SANITIZE=ON
cd "$ROOT/build-test"
# Each suite starts its own Xvfb (tests/with-xvfb.sh).
ctest --output-on-failure -j "$(nproc)" "$@"
