# Shared by the set-up scripts: package installation, build locations, the controller port lock.
# shellcheck shell=bash

KOVA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KOVA_BUILD_ROOT=${KOVA_BUILD_ROOT:-$KOVA_ROOT/build}
KOVA_JOBS=${KOVA_JOBS:-$(nproc 2>/dev/null || echo 2)}
# Runs that may open a connection take this lock: the simulated controller's file server binds the
# fixed port 127.0.0.1:10001, so two test runs on one machine would trip over each other.
KOVA_PORT_LOCK=${KOVA_PORT_LOCK:-/tmp/kova-10001.lock}

# Installs the Debian packages among the arguments that are not installed yet.
kova_ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What the main job needs (the module, the stand-ins, kova); the test suite needs more.
KOVA_RELEASE_PACKAGES=(cmake ninja-build g++ zlib1g-dev libcli11-dev libedit-dev util-linux)
KOVA_NATIVE_PACKAGES=("${KOVA_RELEASE_PACKAGES[@]}" googletest libgtest-dev libgmock-dev libbenchmark-dev
                      libpugixml-dev binutils pkgconf)
KOVA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                       libz-mingw-w64-dev wine wine64)
KOVA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Configures and builds one preset into $KOVA_BUILD_ROOT/<preset>; further arguments name targets.
kova_build() {
    local preset=$1 dir=$KOVA_BUILD_ROOT/$1 targets=()
    shift
    [ $# -gt 0 ] && targets=(--target "$@")
    echo "== configure $preset ($dir)"
    (cd "$KOVA_ROOT" && cmake --preset "$preset" -B "$dir") >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; return 1; }
    echo "== build $preset"
    nice cmake --build "$dir" --parallel "$KOVA_JOBS" "${targets[@]}"
}

# Runs a command holding the controller port lock.
kova_port_locked() {
    flock "$KOVA_PORT_LOCK" "$@"
}

# Runs the tests of one build tree.
kova_ctest() {
    kova_port_locked ctest --test-dir "$KOVA_BUILD_ROOT/$1" --output-on-failure --parallel "$KOVA_JOBS"
}
