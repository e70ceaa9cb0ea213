# The platform's regsvr32 registers the server: every key with its value, as
# the platform's reg tool reads them back; regsvr32 /u removes them all.
source "$(dirname "$0")/wine-env.sh"
wine_ready
fresh_work registration
server=$(winpath "$work/CELLORA.OCX")
ctl='CLSID\{3F6A2C44-8D1E-4B7A-9C52-17E40B6DA301}'
page='CLSID\{3F6A2C45-8D1E-4B7A-9C52-17E40B6DA301}'
lib='TypeLib\{3F6A2C41-8D1E-4B7A-9C52-17E40B6DA301}'
progid='CELLORA.GameOfLifeCtrl.1'

wine regsvr32 /s CELLORA.OCX || fail "regsvr32 /s CELLORA.OCX exited with $?"
echo "ok: regsvr32 /s exits 0"

ifaces='Interface\{3F6A2C42-8D1E-4B7A-9C52-17E40B6DA301} Interface\{3F6A2C43-8D1E-4B7A-9C52-17E40B6DA301}'
snapshot_all() {
    # shellcheck disable=SC2086
    reg_snapshot "$ctl" "$page" "$progid" "$lib" CELLORA.GameOfLifePropPage.1 $ifaces
}
snapshot_all
failures=0
expect() { # key, value name ("" for the default), expected value
    local actual
    actual=$(reg_value "$1" "$2")
    if key_exists "$1" && [ "$actual" = "$3" ]; then
        echo "ok: $1 ${2:-(Default)} = '$3'"
    else
        echo "FAILED: $1 ${2:-(Default)} is '$actual', expected '$3'"
        failures=$((failures + 1))
    fi
}
expect "$ctl" "" "GameOfLife Control"
expect "$ctl\\InprocServer32" "" "$server"
expect "$ctl\\InprocServer32" ThreadingModel "Apartment"
expect "$ctl\\Control" "" ""
expect "$ctl\\Insertable" "" ""
expect "$ctl\\ToolboxBitmap32" "" "$server, 1"
expect "$ctl\\MiscStatus" "" "0"
expect "$ctl\\MiscStatus\\1" "" "131473"
expect "$ctl\\TypeLib" "" "{3F6A2C41-8D1E-4B7A-9C52-17E40B6DA301}"
expect "$ctl\\Version" "" "1.0"
expect "$ctl\\ProgID" "" "$progid"
expect "$progid" "" "GameOfLife Control"
expect "$progid\\CLSID" "" "{3F6A2C44-8D1E-4B7A-9C52-17E40B6DA301}"
expect "$progid\\Insertable" "" ""
expect "$page" "" "GameOfLife Property Page"
expect "$page\\InprocServer32" "" "$server"
expect "$lib\\1.0" "" "Cellora OLE Control module"
expect "$lib\\1.0\\409\\win64" "" "$server"
expect "$lib\\1.0\\HELPDIR" "" "$(winpath "$work")"
# The platform writes the library's flags: a control (2) with a disk image (8).
expect "$lib\\1.0\\FLAGS" "" "10"
for iface in 3F6A2C42 3F6A2C43; do
    expect "Interface\\{$iface-8D1E-4B7A-9C52-17E40B6DA301}\\TypeLib" "" "{3F6A2C41-8D1E-4B7A-9C52-17E40B6DA301}"
done
if key_exists "CELLORA.GameOfLifePropPage.1" || key_exists "$page\\ProgID"; then
    echo "FAILED: the property page is registered with a ProgID"
    failures=$((failures + 1))
fi

wine regsvr32 /s /u CELLORA.OCX || fail "regsvr32 /s /u CELLORA.OCX exited with $?"
echo "ok: regsvr32 /s /u exits 0"
snapshot_all
for key in "$ctl" "$page" "$progid" "$lib" \
    'Interface\{3F6A2C42-8D1E-4B7A-9C52-17E40B6DA301}' 'Interface\{3F6A2C43-8D1E-4B7A-9C52-17E40B6DA301}'; do
    if key_exists "$key"; then
        echo "FAILED: $key is still registered"
        failures=$((failures + 1))
    else
        echo "ok: $key removed"
    fi
done
wineserver -w
[ "$failures" -eq 0 ] || fail "$failures registry checks"
