#!/bin/bash
# The whole test suite: install what is missing, then build and run
#   linux       the tests natively, and once more in a random order (the seed is printed)
#   windows     the MinGW-w64 cross build, its tests under Wine
#   linux-asan  every test under AddressSanitizer and UndefinedBehaviorSanitizer
#   linux-tsan  the tests that start threads under ThreadSanitizer
#   fuzz        every libFuzzer target for KOVA_FUZZ_SECONDS (15) each
# KOVA_PRESETS picks some of them. Runs every step even when one fails, so one run shows every
# failure; exits non-zero on any.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

kova_ensure_packages "${KOVA_NATIVE_PACKAGES[@]}" "${KOVA_WINDOWS_PACKAGES[@]}" "${KOVA_FUZZ_PACKAGES[@]}" || exit 1
mkdir -p "$KOVA_BUILD_ROOT"

# The native suite in a random order; KOVA_SHUFFLE_SEED repeats one.
shuffled_run() {
    local seed=${KOVA_SHUFFLE_SEED:-$(( (RANDOM << 15 | RANDOM) % 99999 + 1 ))}
    echo "== shuffled run, seed $seed (repeat with KOVA_SHUFFLE_SEED=$seed)"
    (cd "$KOVA_BUILD_ROOT/linux/bin" &&
        kova_port_locked ./kova_tests --gtest_shuffle --gtest_random_seed="$seed" --gtest_brief=1)
}

run_preset() {
    local preset=$1
    case $preset in
        fuzz)
            kova_build fuzz && bash "$KOVA_ROOT/scripts/fuzz.sh" "${KOVA_FUZZ_SECONDS:-15}" ;;
        linux)
            kova_build linux && kova_ctest linux && shuffled_run ;;
        *)
            kova_build "$preset" && kova_ctest "$preset" ;;
    esac
}

status=0
for preset in ${KOVA_PRESETS:-linux windows linux-asan linux-tsan fuzz}; do
    start=$SECONDS
    if run_preset "$preset"; then
        echo "== $preset passed in $((SECONDS - start)) s"
    else
        echo "== $preset FAILED after $((SECONDS - start)) s"
        status=1
    fi
done
echo "== total $SECONDS s"
exit $status
