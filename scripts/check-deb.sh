#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with apt-get, checks that it works as
# installed, then removes it. Needs root (apt-get), Xvfb and xdotool (scripts/deps.sh installs them).
#
#   scripts/check-deb.sh            # build folder build-deb, as many jobs as cores
#   BUILD_DIR=/tmp/deb JOBS=2 scripts/check-deb.sh
#
# A fresh machine is stood for by the package's dependencies: the libraries the two programs and
# the Qt plugins the running program loaded are linked with, those plugins themselves and the fonts
# it opened must belong to packages that tessarine depends on, directly or not (Recommends do not
# count: apt may leave them out). Libraries that a plugin opens only when present (libXcursor) are
# not asked for.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-deb}
jobs=${JOBS:-$(nproc)}
work=$(mktemp -d)
installed=false

fail() {
    echo "check-deb: FAILED: $*" >&2
    exit 1
}

cleanup() {
    if $installed; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tessarine >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

[[ $(id -u) -eq 0 ]] || fail "run as root: the package is installed with apt-get"

echo "== building the package in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARINE_BUILD_TESTS=OFF -DTESSARINE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$jobs"
rm -f "$build"/tessarine_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/tessarine_*.deb)
deb=$(realpath "${debs[0]}")
[[ -f $deb ]] || fail "cpack made no package"
dpkg-deb --field "$deb" Package Version Depends Recommends

echo "== installing $(basename "$deb") with apt-get"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
installed=true

echo "== files"
while read -r path; do
    file=/usr/$path
    dpkg -S "$file" >/dev/null 2>&1 || fail "$file does not come from the package"
    [[ -e $file ]] || fail "$file missing"
done <packaging/installed-files.txt
man -w tessarine-cli >/dev/null || fail "man cannot find tessarine-cli"
man -w 6 tessarine >/dev/null || fail "man cannot find tessarine"
# The shared-mime-info trigger has merged the grid file type into the system's database.
grep -qx application/x-tessarine-grid /usr/share/mime/types || fail "grid type not in the MIME database"
echo "ok"

echo "== tessarine-cli generate 1"
puzzle=$(cd / && /usr/bin/tessarine-cli generate 1)
echo "$puzzle"
[[ $puzzle =~ ^[1-9.]{81}$ ]] || fail "not a puzzle"

echo "== tessarine under Xvfb"
# Started with a data folder of its own; the main window (800 pixels wide) shows only after the
# splash, which fails loudly in a message box when its picture is not found.
cat >"$work/start.sh" <<'EOF'
set -u
work=$1
TESSARINE_DATA_DIR=$work/data /usr/bin/tessarine >"$work/program.log" 2>&1 &
pid=$!
shown=false
for _ in $(seq 60); do
    sleep 0.5
    kill -0 "$pid" 2>/dev/null || break
    for window in $(xdotool search --onlyvisible --name '^Tessarine$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        if ((WIDTH >= 700)); then
            shown=true
        fi
    done
    if $shown; then
        sleep 1
        import -window root "$work/screen.png"
        awk '$6 ~ /^\// { print $6 }' "/proc/$pid/maps" | sort -u >"$work/loaded.txt"
        break
    fi
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
$shown
EOF
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/start.sh" "$work" ||
    fail "no main window within 30 seconds; program output: $(cat "$work/program.log")"
cp "$work/screen.png" "$build/check-deb-screen.png"
echo "main window shown (picture: $build/check-deb-screen.png)"

echo "== what the programs load comes from the package's dependencies"
closure=$(apt-cache depends --installed --recurse --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances tessarine | grep -v '^ ' | sed 's/:.*//' | sort -u)
plugins=$(grep '/qt6/plugins/' "$work/loaded.txt")
echo "Qt plugins loaded: $(xargs -n1 basename <<<"$plugins" | xargs)"
grep -E '\.(ttf|otf|pfb)$' "$work/loaded.txt" >"$work/needed.txt" || true
for file in /usr/bin/tessarine /usr/bin/tessarine-cli $plugins; do
    links=$(ldd "$file")
    ! grep 'not found' <<<"$links" || fail "$file lacks a library"
    echo "$file"
    grep -o '/[^ ]*' <<<"$links"
done >>"$work/needed.txt"
checked=0
while read -r file; do
    real=$(realpath "$file")
    # dpkg still knows some libraries by their path before /usr was merged (/lib/...).
    owner=$(dpkg -S "$real" 2>/dev/null || dpkg -S "${real#/usr}" 2>/dev/null) ||
        fail "$real belongs to no package"
    owner=${owner%%:*}
    grep -qx "$owner" <<<"$closure" || fail "$real comes from $owner, which tessarine does not need"
    checked=$((checked + 1))
done < <(sort -u "$work/needed.txt")
echo "ok: $checked files"

echo "== removing the package"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tessarine >/dev/null
installed=false
[[ ! -e /usr/bin/tessarine && ! -e /usr/share/tessarine ]] || fail "files left after removal"
echo "check-deb: package $(basename "$deb") installs, runs and removes cleanly"
