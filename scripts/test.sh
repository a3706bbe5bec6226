#!/bin/bash
# The whole test suite: install what is missing, build for Linux and for Windows (MinGW-w64),
# run the Linux tests natively and the Windows tests under Wine. Exits non-zero on any failure.
# Runs both toolchains even when the first fails, so one run shows every failure.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

kova_ensure_packages "${KOVA_NATIVE_PACKAGES[@]}" "${KOVA_WINDOWS_PACKAGES[@]}" || exit 1
mkdir -p "$KOVA_BUILD_ROOT"

status=0
for preset in ${KOVA_PRESETS:-linux windows}; do
    start=$SECONDS
    if kova_build "$preset"; then
        echo "== built $preset in $((SECONDS - start)) s"
        start=$SECONDS
        echo "== test $preset"
        ctest --test-dir "$KOVA_BUILD_ROOT/$preset" --output-on-failure --parallel "$KOVA_JOBS" ||
            status=1
        echo "== tested $preset in $((SECONDS - start)) s"
    else
        echo "== build of $preset FAILED"
        status=1
    fi
done
exit $status
