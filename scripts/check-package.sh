#!/usr/bin/env bash
# Installs into a staging folder and checks the layout, then builds the
# Debian package, installs it with apt-get, starts the installed program
# under Xvfb, takes a screenshot and removes the package again.
# Usage: scripts/check-package.sh [BUILD_DIR]   (as root or with sudo)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
for f in usr/bin/vektoria usr/share/applications/vektoria.desktop \
         usr/share/metainfo/org.vektoria.vektoria.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/vektoria.png \
         usr/share/icons/hicolor/32x32/apps/vektoria.png; do
    [[ -e "$stage/$f" ]] || { echo "not installed: $f" >&2; exit 1; }
done
echo "install layout: ok"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vektoria_*.deb | head -1)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends
$sudo apt-get install -y -qq "$deb" >/dev/null
trap '$sudo apt-get remove -y -qq vektoria >/dev/null || true; rm -rf "$stage"' EXIT
[[ -x /usr/bin/vektoria ]] || { echo "vektoria not on the path after install" >&2; exit 1; }
"$here/scripts/screenshot.sh" /usr/bin/vektoria "$build/installed.png" | grep -E 'title|saved'
echo "package check: ok"
