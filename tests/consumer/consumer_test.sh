#!/bin/bash
# The library installs like one: consumer_test.sh BUILD_DIR CONSUMER_SOURCE_DIR
# Installs the build into a scratch prefix, builds a consumer with find_package and one with
# pkg-config, runs both, and runs kova from a copy of the build's bin/ folder.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
cmake -S "$source" -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
"$work/consumer/consumer" | grep -q '^PRINT 1+2 answers 3'

pc=$(find "$work/prefix" -name kova-tesselapi.pc)
export PKG_CONFIG_PATH=${pc%/*}
# shellcheck disable=SC2046
cc -o "$work/pc-consumer" "$source/consumer.c" $(pkg-config --cflags --libs kova-tesselapi) \
   -Wl,-rpath,"$(pkg-config --variable=libdir kova-tesselapi)"
"$work/pc-consumer" | grep -q '^PRINT 1+2 answers 3'

"$work/prefix/bin/kova" info | grep -q '^axes'
cp -r "$build/bin" "$work/moved-bin"
"$work/moved-bin/kova" info | grep -q '^axes'
echo "installed, consumed and relocated"
