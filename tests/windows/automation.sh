# The platform's script host drives the control by ProgID through its
# automation runtime and our type library.
source "$(dirname "$0")/wine-env.sh"
wine_ready
fresh_work automation
cp "$(dirname "$0")/automation.vbs" .
wine regsvr32 /s CELLORA.OCX || fail "regsvr32 /s CELLORA.OCX exited with $?"
set +e
wine cscript //nologo automation.vbs | tr -d '\r'
status=${PIPESTATUS[0]}
set -e
wine regsvr32 /s /u CELLORA.OCX
wineserver -w
[ "$status" -eq 0 ] || fail "cscript reported $status failed checks"
