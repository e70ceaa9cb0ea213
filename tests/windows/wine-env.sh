# Sourced by every Windows test: the fresh Wine prefix under the build folder,
# quiet Wine, a display (Xvfb when none is given), and the one-line skip.
set -euo pipefail

skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}

command -v wine >/dev/null 2>&1 || skip "wine is not installed (scripts/setup-windows.sh installs it)"
: "${WINE_TEST_PREFIX:?}" "${WINE_TEST_WORK:?}" "${CELLORA_OCX:?}"
export WINEPREFIX="$WINE_TEST_PREFIX" WINEARCH=win64 WINEDEBUG=-all
# No browser engine or .NET runtime to offer to download: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -z "${DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null 2>&1 || skip "no display and no xvfb-run to make one"
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

# A fresh folder for one test, holding its own copy of the server.
fresh_work() {
    work="$WINE_TEST_WORK/$1"
    rm -rf "$work"
    mkdir -p "$work"
    cp "$CELLORA_OCX" "$work/CELLORA.OCX"
    cd "$work"
}

# The Windows form of a path, as the programs under Wine see it.
winpath() {
    wine winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# The keys under HKEY_CLASSES_ROOT with their values, read once through the
# platform's reg tool into a snapshot that the checks below look at.
reg_snapshot() {
    snapshot="$work/registry.txt"
    : >"$snapshot"
    local root
    for root in "$@"; do
        wine reg query "HKEY_CLASSES_ROOT\\$root" /s 2>/dev/null | tr -d '\r' >>"$snapshot" || true
    done
}

key_exists() {
    K="HKEY_CLASSES_ROOT\\$1" awk 'tolower($0) == tolower(ENVIRON["K"]) { found = 1 } END { exit !found }' "$snapshot"
}

# The value of an entry ("" names the default value) in the snapshot, or nothing.
reg_value() {
    K="HKEY_CLASSES_ROOT\\$1" N="${2:-(Default)}" awk '
        /^HKEY_/ { inside = tolower($0) == tolower(ENVIRON["K"]); next }
        inside && /    REG_SZ/ {
            line = $0; sub(/^ +/, "", line)
            name = line; sub(/    REG_SZ.*/, "", name)
            if (name == ENVIRON["N"]) { sub(/^.*REG_SZ    /, "", line); print line; exit }
        }' "$snapshot"
}

wine_ready() {
    [ -f "$WINEPREFIX/system.reg" ] || skip "the Wine prefix was not made (windows.prefix could not start Wine)"
}
