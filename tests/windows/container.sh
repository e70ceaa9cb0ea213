# The control in the platform's control-hosting window: pictures of the new
# control, after a left press and after the timer's ticks, compared pixel by
# pixel with the Linux build's pictures of the same board and generation.
source "$(dirname "$0")/wine-env.sh"
wine_ready
picture_tool="${CELLORA_PICTURE:-}"
[ -x "$picture_tool" ] || skip "the Linux build's cellora-picture is missing (build the default preset's cellora-picture)"
command -v compare >/dev/null 2>&1 || skip "ImageMagick's compare is missing (scripts/setup-windows.sh installs it)"
fresh_work container
wine regsvr32 /s CELLORA.OCX || fail "regsvr32 /s CELLORA.OCX exited with $?"
set +e
wine "$WINE_TEST_BIN/container-test.exe" "$(winpath "$work")" | tr -d '\r'
status=${PIPESTATUS[0]}
set -e
wine regsvr32 /s /u CELLORA.OCX
wineserver -w
[ "$status" -eq 0 ] || fail "the container reported failed checks"

for shot in start pressed ticked; do
    convert "$shot.bmp" "windows-$shot.png"
done

# The number of differing pixels of two pictures within a region (WxH+X+Y),
# optionally with the same rectangle blacked out in both (compare exits 1 when
# they differ, which is an answer here, not an error).
differing() {
    convert "$1" -crop "$3" +repage ${4:+-fill black -draw "rectangle $4"} a.png
    convert "$2" -crop "$3" +repage ${4:+-fill black -draw "rectangle $4"} b.png
    { compare -metric AE a.png b.png null: 2>&1 || true; } | cut -d' ' -f1
}
cells=320x200+0+0
failures=0
# The status strip: everything but the text, whose glyphs are the platform's default font.
strip_outside_text() {
    echo "$(differing "$1" "$2" 320x235+0+0 '200,200 319,234') ($(differing "$1" "$2" 320x35+0+200) in the whole strip, the text included)"
}
check_same() { # windows picture, linux picture, what
    local cell_diff strip
    cell_diff=$(differing "$1" "$2" "$cells")
    strip=$(strip_outside_text "$1" "$2")
    if [ "$cell_diff" = 0 ] && [ "${strip%% *}" = 0 ]; then
        echo "ok: $3: cell area identical, status strip identical outside the text; differing pixels: $strip"
    else
        echo "FAILED: $3: $cell_diff cell pixels and $strip strip pixels differ"
        failures=$((failures + 1))
    fi
}

"$picture_tool" --control -o linux-start.ppm && convert linux-start.ppm linux-start.png
"$picture_tool" --control --press 17,99 -o linux-pressed.ppm && convert linux-pressed.ppm linux-pressed.png
check_same windows-start.png linux-start.png "the new control"
check_same windows-pressed.png linux-pressed.png "after the left press at (17, 99)"
[ "$(differing windows-start.png windows-pressed.png "$cells")" != 0 ] || {
    echo "FAILED: the left press changed nothing"
    failures=$((failures + 1))
}

# The timer ran for 1.5 s at 50 ms; find the generations whose cells it shows.
# From generation 2 on the board repeats every 15 generations, so the cells
# alone name a generation only up to that period: every match is listed.
found=""
for generation in $(seq 1 45); do
    "$picture_tool" --control --press 17,99 --generations "$generation" -o candidate.ppm
    if [ "$(differing windows-ticked.png candidate.ppm "$cells")" = 0 ]; then
        [ -n "$found" ] || cp candidate.ppm linux-ticked.ppm
        found="$found $generation"
    fi
done
if [ -z "$found" ]; then
    echo "FAILED: the picture after the ticks matches no generation from 1 to 45 (30 ticks at the most in 1.5 s)"
    failures=$((failures + 1))
else
    convert linux-ticked.ppm linux-ticked.png
    first=${found# }
    first=${first%% *}
    echo "ok: after the ticks the board shows the cells of generation$found (period 15)"
    check_same windows-ticked.png linux-ticked.png "generation $first"
    [ "$first" -ge 2 ] || {
        echo "FAILED: only $first tick arrived in 1.5 s at Speed 50"
        failures=$((failures + 1))
    }
fi
echo "pictures: $work/windows-{start,pressed,ticked}.png beside linux-{start,pressed,ticked}.png"
[ "$failures" -eq 0 ] || fail "$failures picture comparisons"
