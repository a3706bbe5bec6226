#!/bin/bash
# Compares the names a built module exports with the export list, or checks that a Windows module
# imports no MinGW runtime DLL.
#   exported_symbols_test.sh elf        NM      MODULE.so  EXPORTS.txt
#   exported_symbols_test.sh pe         OBJDUMP MODULE.dll EXPORTS.txt
#   exported_symbols_test.sh pe-imports OBJDUMP MODULE.dll
set -euo pipefail

mode=${1:?mode}
tool=${2:?tool}
module=${3:?module}

[ -f "$module" ] || { echo "no such module: $module"; exit 1; }

pe_exports() {
    # The names of the "[Ordinal/Name Pointer] Table", up to the blank line that closes it.
    "$tool" -p "$module" | awk '
        /^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
        inside && /^[[:space:]]*$/ { inside = 0 }
        inside && /^[[:space:]]*\[[[:space:]]*[0-9]+\]/ { print $NF }'
}

elf_exports() {
    # Defined dynamic symbols, less the version nodes the linker adds.
    "$tool" -D --defined-only "$module" | awk 'NF >= 3 && $2 != "A" { sub(/@.*/, "", $3); print $3 }'
}

case "$mode" in
    pe-imports)
        imports=$("$tool" -p "$module" | awk '/DLL Name:/ { print $NF }')
        echo "imports: $(echo $imports)"
        bad=$(grep -i -E '^(libstdc\+\+|libgcc|libwinpthread|zlib|libz)' <<<"$imports" || true)
        if [ -n "$bad" ]; then
            echo "runtime DLLs the module must not need:"
            echo "$bad" | sed 's/^/  /'
            exit 1
        fi
        exit 0
        ;;
    elf) actual=$(elf_exports) ;;
    pe) actual=$(pe_exports) ;;
    *) echo "unknown mode: $mode"; exit 2 ;;
esac

expected_file=${4:?exports list}
expected=$(grep -E '^[A-Za-z_][A-Za-z0-9_]*$' "$expected_file" | LC_ALL=C sort -u)
actual=$(printf '%s\n' "$actual" | sed '/^$/d' | LC_ALL=C sort -u)

missing=$(LC_ALL=C comm -23 <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | sed '/^$/d')
extra=$(LC_ALL=C comm -13 <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | sed '/^$/d')
count() { [ -z "$1" ] && echo 0 || printf '%s\n' "$1" | wc -l; }

echo "expected $(count "$expected"), exported $(count "$actual"), missing $(count "$missing"), extra $(count "$extra")"
if [ -n "$missing" ]; then
    echo "missing:"
    printf '%s\n' "$missing" | sed 's/^/  /'
fi
if [ -n "$extra" ]; then
    echo "extra:"
    printf '%s\n' "$extra" | sed 's/^/  /'
fi
[ -z "$missing" ] && [ -z "$extra" ]
