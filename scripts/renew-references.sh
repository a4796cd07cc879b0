#!/usr/bin/env bash
# Renews the reference pictures in tests/references after a look changed on
# purpose: builds the test folders that compare whole pictures (plain build,
# build-plain) and runs them under Xvfb with CORVANE_RENEW_REFERENCES=1, so
# each comparison writes its reduced picture into the source tree instead.
# Review the changed pictures with git before committing them.
# Usage: scripts/renew-references.sh [folder...]   (default: all of them)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(core controls views charts ribbon app designer layout input)
cmake -S . -B build-plain -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON >/dev/null
targets=()
for f in "${folders[@]}"; do targets+=("corvane_${f}_tests"); done
ninja -C build-plain -j "${CORVANE_JOBS:-3}" "${targets[@]}"
# A folder whose other tests fail (a look changed on purpose often fails
# them too) does not stop the others from being renewed.
failed=()
for f in "${folders[@]}"; do
  rm -rf "tests/references/$f"
  CORVANE_RENEW_REFERENCES=1 tests/with-xvfb.sh "build-plain/tests/corvane_${f}_tests" --gtest_brief=1 || failed+=("$f")
done
git status --short tests/references
[ ${#failed[@]} -eq 0 ] || { echo "tests failed while renewing: ${failed[*]}" >&2; exit 1; }
