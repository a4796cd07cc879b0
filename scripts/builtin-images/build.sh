#!/bin/sh
# Regenerates the built-in check and radio images of the toolkit's resources.
set -e
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
g++ -std=c++17 -fPIC "$here/make_builtin_images.cpp" -o "$tmp/make_builtin_images" \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/make_builtin_images" "$here/../../toolkit/core/resources/images"
rm -rf "$tmp"
