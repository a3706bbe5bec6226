#!/bin/bash
# The main job: install what is missing, build natively, run the example application.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

kova_ensure_packages "${KOVA_NATIVE_PACKAGES[@]}"
mkdir -p "$KOVA_BUILD_ROOT"
kova_build linux hello
echo "== run hello"
"$KOVA_BUILD_ROOT/linux/bin/hello"
