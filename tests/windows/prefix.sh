# Makes the fresh Wine prefix the other Windows tests share; a Wine that cannot
# start here skips them all with the reason.
source "$(dirname "$0")/wine-env.sh"
rm -rf "$WINEPREFIX"
if ! timeout 240 wine wineboot --init >/dev/null 2>"$WINE_TEST_PREFIX.log"; then
    skip "Wine cannot start here: $(tail -n 1 "$WINE_TEST_PREFIX.log" 2>/dev/null)"
fi
wineserver -w
[ -f "$WINEPREFIX/system.reg" ] || skip "Wine started but made no prefix in $WINEPREFIX"
echo "Wine prefix ready: $WINEPREFIX ($(wine --version))"
