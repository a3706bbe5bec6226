#!/bin/bash
# The main job: install what is missing, build the module, the stand-ins and kova (no test
# dependencies), and let kova tell the demo's story on the simulated controller.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

kova_ensure_packages "${KOVA_RELEASE_PACKAGES[@]}"
mkdir -p "$KOVA_BUILD_ROOT"
kova_build release kova hello
echo "== kova shell --echo examples/demo.kova"
cd "$KOVA_ROOT"   # the demo names the example program by its place in the project
kova_port_locked "$KOVA_BUILD_ROOT/release/bin/kova" shell --echo examples/demo.kova
