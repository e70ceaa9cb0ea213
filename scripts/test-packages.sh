#!/usr/bin/env bash
# Builds the Debian packages from the default build (build/), checks them with
# lintian, installs them with dpkg into a fresh staging root and tries what a user
# would from there: lumafold-gen on the installed example, the window's title,
# cellora-host finding the installed server, the desktop entries and the
# project file type.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./scripts/setup-deps.sh --packaging
cmake --preset default ${WERROR:+"-DWERROR=$WERROR"}
cmake --build --preset default
rm -f build/*.deb
(cd build && cpack -G DEB)
debs=(build/*.deb)

failures=0
check() { # check NAME COMMAND...: runs the command, reports it
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

# Lintian, warnings included. Left aside: the first package of our own
# software closes no Debian bug report, so its changelog names none.
check "lintian" lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "${debs[@]}"
# Every dependency can be had from the machine's Debian packages.
check "dependencies" apt-get install --simulate --no-download "${debs[@]/#/$root/}" >/dev/null

stage=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$stage" "$work"' EXIT
mkdir -p "$stage/var/lib/dpkg/info" "$stage/var/lib/dpkg/updates"
touch "$stage/var/lib/dpkg/status"
# The staging root holds only our packages; the libraries they need are the
# machine's (checked above).
dpkg --root="$stage" --force-depends --force-not-root -i "${debs[@]}" >"$work/dpkg.log" 2>&1 ||
  { cat "$work/dpkg.log"; exit 1; }
prefix="$stage/usr"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export CELLORA_REGISTRY="$work/registry" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DISPLAY WAYLAND_DISPLAY

# The same AWL as the build tree's program on the source example, once the
# time stamp line and the example's directory are set aside.
awl_of() { # awl_of PROGRAM EXAMPLES OUT
  "$1" "$2/site.F2D" -o "$3.raw" >/dev/null && sed -e '2d' -e "s#$2/#EXAMPLES/#g" "$3.raw" >"$3"
}
awl_of "$prefix/bin/lumafold-gen" "$prefix/share/lumafold/examples" "$work/installed.AWL"
awl_of "$root/build/packer/generator/batch/lumafold-gen" "$root/examples" "$work/build.AWL"
check "lumafold-gen: installed example, same AWL as the build tree" cmp "$work/installed.AWL" "$work/build.AWL"

expect() { # expect TEXT COMMAND...: the command succeeds and prints TEXT
  local out
  out=$(timeout 60 "${@:2}" 2>&1) && [[ "$out" == *"$1"* ]] || { echo "$out" | head -20; return 1; }
}
check "lumafold --version" expect "lumafold 2.2" "$prefix/bin/lumafold" --version
check "lumafold-gen --version" expect "lumafold-gen 2.2" "$prefix/bin/lumafold-gen" --version
check "cellora-host --version" expect "cellora-host 2.2" "$prefix/bin/cellora-host" --version
cp -r "$prefix/share/lumafold/examples" "$work/examples"
check "lumafold PROJECT.F2D: the project in the title" \
  expect "title: ZALT - Lumafold V2.2  ($work/examples/site.F2D)" \
  env LUMAFOLD_QUIT_WHEN_SHOWN=1 "$prefix/bin/lumafold" "$work/examples/site.F2D"
server=$(find "$prefix/lib" -name CELLORA.OCX)
check "cellora-host --run: the installed server" \
  expect "server: $server"$'\n'"control: running" \
  env CELLORA_HOST_QUIT_WHEN_SHOWN=1 "$prefix/bin/cellora-host" --run

for entry in "$prefix"/share/applications/*.desktop; do
  check "desktop-file-validate $(basename "$entry")" desktop-file-validate "$entry"
done

# The project file type, from the databases the packages' triggers compile.
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
export XDG_DATA_DIRS="$prefix/share"
check "xdg-mime: a .F2D file is a Lumafold project" \
  expect "application/x-lumafold-project" xdg-mime query filetype "$work/examples/site.F2D"
cp "$work/examples/site.F2D" "$work/LOWER.f2d"
check "xdg-mime: a .f2d file too" \
  expect "application/x-lumafold-project" xdg-mime query filetype "$work/LOWER.f2d"
check "xdg-mime: Lumafold opens it" \
  expect "lumafold.desktop" xdg-mime query default application/x-lumafold-project

[ "$failures" -eq 0 ] || { echo "$failures package checks failed" >&2; exit 1; }
echo "package checks passed: ${debs[*]}"
