#!/usr/bin/env bash
# Installs what is missing, builds Release and runs the dashboard.
# Any arguments go to the dashboard, e.g. ./run.sh --screenshot out/overview.png
source "$(dirname "$0")/scripts/common.sh"
install_missing
build build-release -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF
cd "$ROOT"
with_display "$ROOT/build-release/app/gustrel" "$@"
