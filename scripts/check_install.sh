#!/usr/bin/env bash
# Makes the Debian package from a built tree (default build-release, which CI
# has just built) and checks it as Debian would: lintian on the package (no
# errors; its other findings are listed), desktop-file-validate and
# appstreamcli on the desktop entry and metainfo it ships, and apt resolving
# its dependencies as on a Debian 12 with nothing installed.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build_dir=${1:-build-release}
cmake --build "$build_dir"
rm -f "$build_dir"/quillsong_*.deb
(cd "$build_dir" && cpack -G DEB > /dev/null)
deb=$(realpath "$build_dir"/quillsong_*.deb)
echo "check_install: $(basename "$deb")"
dpkg-deb --field "$deb" Depends Recommends

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
echo "check_install: desktop-file-validate found nothing to report"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml

# Every finding is listed; only errors fail. lintian warns when run as root,
# as CI runs it.
lintian_status=0
lintian --fail-on error --display-info --pedantic "$deb" > "$unpacked/lintian.log" 2>&1 ||
    lintian_status=$?
grep -v '^running with root' "$unpacked/lintian.log" || true
if [ "$lintian_status" -ne 0 ]; then
    echo "check_install: lintian reports errors" >&2
    exit 1
fi

# Installable on a clean machine: apt finds every dependency in Debian's
# archive when it counts nothing as installed.
if ! apt-cache show libc6 > /dev/null 2>&1; then
    apt-get update -qq
fi
apt-get install --simulate -o Dir::State::status=/dev/null "$deb" > "$unpacked/apt.log" ||
    { cat "$unpacked/apt.log"; exit 1; }
echo "check_install: the package installs on a clean Debian with" \
    "$(grep -c '^Inst' "$unpacked/apt.log") packages"
