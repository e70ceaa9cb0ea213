# The entry points called directly: class objects, DllCanUnloadNow, a registry
# that refuses a write, and a server whose type library is damaged.
source "$(dirname "$0")/wine-env.sh"
wine_ready
fresh_work server-entry
# The type library resource begins with its format's magic; spoiling it leaves
# a server whose library the platform cannot load.
cp CELLORA.OCX DAMAGED.OCX
offset=$(grep -obUa 'MSFT' DAMAGED.OCX | head -n 1 | cut -d: -f1)
[ -n "$offset" ] || fail "no type library found in CELLORA.OCX"
printf 'XXXX' | dd of=DAMAGED.OCX bs=1 seek="$offset" conv=notrunc status=none
set +e
wine "$WINE_TEST_BIN/server-entry-test.exe" CELLORA.OCX DAMAGED.OCX | tr -d '\r'
status=${PIPESTATUS[0]}
set -e
wine regsvr32 /s DAMAGED.OCX && fail "regsvr32 accepted the damaged server"
echo "ok: regsvr32 refuses the damaged server"
reg_snapshot 'CLSID\{3F6A2C44-8D1E-4B7A-9C52-17E40B6DA301}'
key_exists 'CLSID\{3F6A2C44-8D1E-4B7A-9C52-17E40B6DA301}' && fail "the damaged server registered its class"
wineserver -w
exit "$status"
