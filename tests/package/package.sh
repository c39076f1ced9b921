#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder (not installed) and
# checks its contents, its dependencies and lintian's verdict.
# Usage: package.sh BUILD_FOLDER
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 || fail "cpack: $(cat "$tmp/cpack.log")"
debs=("$tmp"/quellvantar_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "kein Paket: $(ls "$tmp")"
deb=${debs[0]}

dpkg-deb --contents "$deb" | awk '{print $NF}' >"$tmp/inhalt"
for f in ./usr/bin/quellvantar ./usr/bin/quellvantar-cli ./usr/share/quellvantar/QuellvantarConfig.cfg \
  ./usr/share/quellvantar/DemoKunde.cfg ./usr/share/quellvantar/BPRdb.sqlite ./usr/share/quellvantar/Beispielauftrag.ORv \
  ./usr/share/quellvantar/translations/qtbase_de.qm ./usr/share/quellvantar/DemoDICOM/LIZENZ.txt \
  ./usr/share/applications/quellvantar.desktop ./usr/share/mime/packages/quellvantar.xml \
  ./usr/share/icons/hicolor/scalable/apps/quellvantar.svg ./usr/share/thumbnailers/quellvantar.thumbnailer \
  ./usr/share/doc/quellvantar/copyright \
  ./usr/share/doc/quellvantar/changelog.gz; do
  grep -qx -- "$f" "$tmp/inhalt" || fail "$f fehlt im Paket"
done

[ "$(dpkg-deb -f "$deb" Package)" = quellvantar ] || fail "Paketname"
depends=$(dpkg-deb -f "$deb" Depends)
for d in dcmtk libqt6sql6-sqlite libqt6sql6-psql libqt6widgets6 libturbojpeg0; do
  [[ ",$depends," == *", $d"[\ ,\(]* || ",$depends," == *",$d"[\ ,\(]* ]] || fail "Abhängigkeit $d fehlt: $depends"
done

lintian --allow-root --fail-on error "$deb" >"$tmp/lintian.log" 2>&1 \
  || fail "lintian: $(cat "$tmp/lintian.log")"
echo "ok"
