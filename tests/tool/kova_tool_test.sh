#!/bin/bash
# The kova tool end to end: kova_tool_test.sh DEMO_SCRIPT KOVA [EMULATOR...]
# Runs in a scratch folder; every check prints what it ran when it fails.
set -u
demo=$1
shift
kova=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# expect STATUS PATTERN ARGS...: the exit status is STATUS and standard output matches PATTERN.
expect() {
    local status=$1 pattern=$2 out rc
    shift 2
    "${kova[@]}" "$@" >stdout.txt 2>stderr.txt
    rc=$?
    out=$(tr -d '\r' <stdout.txt)
    [ "$rc" -eq "$status" ] || fail "kova $* exited $rc, not $status: $(cat stderr.txt)"
    grep -Eq -- "$pattern" <<<"$out" || fail "kova $* printed '$out', not /$pattern/"
}

expect 0 '^kova [0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$' --version
expect 0 '^axes +[0-9]+' info
expect 0 '"connected":true' --json info
expect 0 '^3$' exec "PRINT 1+2"
# One connection per run: what a line sets, the next line of the same run sees.
expect 0 '^42$' exec "VR(7)=42" "PRINT VR(7)"
printf 'VR(3)=1\nVR(4)=2.5\nVR(5)=-3\n.get --json VR(3..5)\n' >values.kova
expect 0 '^\{"VR\(3\.\.5\)":\[1,2\.5,-3\]\}$' shell values.kova
printf '.set --axis 1 SPEED 12.5\n.get --axis 1 SPEED\n.set TABLE(10..11) 7 8\n.get TABLE(10..11)\n' >set.kova
expect 0 '^12\.5$' shell set.kova
expect 0 '^7 8$' shell set.kova
printf '.set VRSTRING(20) hello\n.get VRSTRING(20)\n.set OP(9) 1\n.get --json OP(8..9)\n' >text.kova
expect 0 '^hello$' shell text.kova
expect 0 '^\{"OP\(8\.\.9\)":\[false,true\]\}$' shell text.kova

# Files: up and down again on one connection, byte for byte, with the figures as JSON.
head -c 70000 /dev/urandom >payload.bin
printf '.upload --json payload.bin SD:payload.bin\n.download --json SD:payload.bin back.bin\n' >files.kova
expect 0 '^\{"local":"payload.bin","remote":"SD:payload.bin","bytes":70000,' shell files.kova
expect 0 '^\{"local":"back.bin","remote":"SD:payload.bin","bytes":70000,' shell files.kova
cmp -s payload.bin back.bin || fail "the downloaded file differs from the uploaded one"

# On a terminal the upload draws a progress bar that ends full (native runs: script(1) makes the pty).
if [ ${#kova[@]} -eq 1 ] && command -v script >/dev/null; then
    printf '.upload payload.bin SD:payload.bin\n' >upload.kova
    drawn=$(script -qec "$(printf '%q ' "${kova[@]}") shell upload.kova" /dev/null)
    grep -q 'upload SD:payload.bin \[#\{24\}\] 100% 68.4 KiB of 68.4 KiB' <<<"$drawn" ||
        fail "no full progress bar on a terminal: $drawn"
fi

# Exit status: 1 for what the controller refuses, 2 for a command line kova cannot use.
expect 1 '' exec "NO_SUCH_COMMAND"
grep -q 'COMMAND_NOT_RECOGNISED' stderr.txt || fail "a refused line names its error: $(cat stderr.txt)"
expect 2 '' get
expect 2 '' get "VR(x)"
expect 2 '' set "IN(0)" 1
expect 2 '' frobnicate
# A script stops at its first failing line and reports it.
printf 'PRINT "before"\nNO_SUCH_COMMAND\nPRINT "after"\n' >stops.kova
expect 1 '^before$' shell stops.kova
grep -q after <<<"$("${kova[@]}" shell stops.kova 2>/dev/null)" && fail "a script went on after a failing line"

# The demo tells its story to the end, from the project folder it names its example program in:
# the program is listed running, then counts at least one part.
demo_out=$(cd "${demo%/*}/.." && "${kova[@]}" shell --echo "examples/${demo##*/}" 2>&1 | tr -d '\r')
grep -Eq '^ +[0-9]+ PICK_AND_PLACE ' <<<"$demo_out" || fail "the demo's program is not listed running: $demo_out"
grep -Eq '^[1-9][0-9]*$' <<<"$(tail -1 <<<"$demo_out")" || fail "the demo counted no part: $demo_out"

[ "$failures" -eq 0 ] && echo "all kova checks passed"
exit $((failures > 0))
