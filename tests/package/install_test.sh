#!/usr/bin/env bash
# install_test.sh BUILD_DIR: the package from cpack to apt-get remove (see CMakeLists.txt).
set -uo pipefail
BUILD_DIR=$1
SKIP=77
fail() { echo "FAILED: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit $SKIP; }
for tool in apt-get cpack xvfb-run xdotool lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool missing"; exit $SKIP; }
done
if dpkg-query -W -f='${Status}' zelkor 2>/dev/null | grep -q "ok installed"; then
  echo "skipped: a zelkor package is installed already; this test would remove it"; exit $SKIP
fi

cd "$BUILD_DIR" || fail "no build folder"
rm -f zelkor_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; fail "cpack"; }
DEB=$(ls "$PWD"/zelkor_*_*.deb) || fail "no package made"
echo "package: $DEB"

# The metadata as the desktop and the archive read it.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
dpkg-deb -x "$DEB" "$WORK/root"
desktop-file-validate "$WORK"/root/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$WORK"/root/usr/share/metainfo/*.xml || fail "appstreamcli validate"
lintian --fail-on error "$DEB" || fail "lintian reports errors"

APT=(apt-get -y -qq -o DPkg::Lock::Timeout=300)
export DEBIAN_FRONTEND=noninteractive
"${APT[@]}" install "$DEB" >"$WORK/apt.log" 2>&1 || { cat "$WORK/apt.log"; fail "apt-get install"; }
trap '"${APT[@]}" remove zelkor >/dev/null 2>&1; rm -rf "$WORK"' EXIT
[ -x /usr/bin/zelkor ] || fail "/usr/bin/zelkor missing after the install"

# A new user: an empty home folder, started where no conn.txt lies.
export HOME="$WORK/home"
mkdir -p "$HOME"
unset XDG_CONFIG_HOME XDG_DATA_HOME ZELKOR_BIN_DIR
cd "$HOME"
cat >"$WORK/drive.sh" <<'DRIVE'
set -u
wait_for() {  # the first window whose title matches the pattern $1
  timeout 90 xdotool search --sync --onlyvisible --name "$1" | head -1
}
type_into() {  # window, then xdotool arguments
  local w=$1; shift
  timeout 20 xdotool windowfocus --sync "$w" && sleep 0.5 && timeout 60 xdotool "$@"
}
/usr/bin/zelkor >"$HOME/zelkor.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
w=$(wait_for "^Selamat Datang$"); [ -n "$w" ] || { echo "no first-start window"; exit 1; }
type_into "$w" type --delay 60 "SMA UJI PAKET"
for _ in 1 2 3 4; do xdotool key --delay 100 Tab; done
xdotool type --delay 60 "rahasia123"; xdotool key Tab; xdotool type --delay 60 "rahasia123"
xdotool key Return
w=$(wait_for "^Login$"); [ -n "$w" ] || { echo "no login form after the first-start window"; exit 1; }
type_into "$w" type --delay 60 "admin"
xdotool key Tab; xdotool type --delay 60 "rahasia123"; xdotool key Return
w=$(wait_for "^Login User\\.\\.$"); [ -n "$w" ] || { echo "the login did not greet"; exit 1; }
type_into "$w" key Return
w=$(wait_for "^Zelkor \\+ Rental"); [ -n "$w" ] || { echo "no main window"; exit 1; }
type_into "$w" key ctrl+1
w=$(wait_for "^Transaksi$"); [ -n "$w" ] || { echo "the desk did not open"; exit 1; }
echo "desk open"
DRIVE
xvfb-run -a -s "-screen 0 1280x800x24" bash "$WORK/drive.sh" || { cat "$HOME/zelkor.log" 2>/dev/null; fail "the first start"; }

LIBRARY="$HOME/.local/share/zelkor/perpustakaan.db3"
[ -f "$LIBRARY" ] || fail "no library at $LIBRARY"
grep -qF "$LIBRARY;" "$HOME/.config/zelkor/conn.txt" || fail "conn.txt does not name the library"

"${APT[@]}" remove zelkor >"$WORK/apt.log" 2>&1 || { cat "$WORK/apt.log"; fail "apt-get remove"; }
[ ! -e /usr/bin/zelkor ] || fail "/usr/bin/zelkor left after the removal"
[ -f "$LIBRARY" ] || fail "the removal took the library"
echo "installed, first start made $LIBRARY, logged in, desk opened, removed; the library stays"
