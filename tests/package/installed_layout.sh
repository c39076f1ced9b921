#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes it read-only and runs the installed programs
# with an empty home and their own configuration folder: the person's files go there, the
# shipped data are found in share/quellvantar, and the desktop entry and order file type are valid.
# Usage: installed_layout.sh BUILD_FOLDER
set -euo pipefail
build=$1
tmp=$(mktemp -d)
gui_pid=
cleanup() {
  [ -n "$gui_pid" ] && kill "$gui_pid" 2>/dev/null && wait "$gui_pid" 2>/dev/null
  chmod -R u+w "$tmp" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quellvantar bin/quellvantar-cli \
  share/quellvantar/QuellvantarConfig.cfg share/quellvantar/DemoKunde.cfg share/quellvantar/BPRdb.sqlite \
  share/quellvantar/Beispielauftrag.ORv share/quellvantar/translations/qtbase_de.qm \
  share/quellvantar/DemoBPR/Plato_Demo.pla share/quellvantar/DemoDICOM/LIZENZ.txt \
  share/applications/quellvantar.desktop share/mime/packages/quellvantar.xml \
  share/icons/hicolor/scalable/apps/quellvantar.svg share/doc/quellvantar/copyright; do
  [ -f "$prefix/$f" ] || fail "$f wurde nicht installiert"
done

# The entry and the type as the desktop tools read them.
desktop-file-validate "$prefix/share/applications/quellvantar.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=quellvantar %f' "$prefix/share/applications/quellvantar.desktop" || fail "Exec-Zeile"
xmllint --noout "$prefix/share/mime/packages/quellvantar.xml" "$prefix/share/icons/hicolor/scalable/apps/quellvantar.svg"
mkdir -p "$tmp/mime/packages"
cp "$prefix/share/mime/packages/quellvantar.xml" "$tmp/mime/packages/"
XDG_DATA_HOME=$tmp XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime" 2>"$tmp/mime.err" || fail "update-mime-database: $(cat "$tmp/mime.err")"
[ ! -s "$tmp/mime.err" ] || fail "update-mime-database meldet: $(cat "$tmp/mime.err")"
# Without the "cs" flag the pattern matches .ORv, .orv and .ORV alike.
grep -qx '50:application/x-quellvantar-auftrag:\*\.orv' "$tmp/mime/globs2" || fail "globs2: $(cat "$tmp/mime/globs2")"

touch "$tmp/vorher"
sleep 1
chmod -R a-w "$prefix"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$HOME"
cfg=$XDG_CONFIG_HOME/Quellvantar

# The command line reads the shipped sample order and looks for the customer file in the
# configuration folder.
"$prefix/bin/quellvantar-cli" info "$prefix/share/quellvantar/Beispielauftrag.ORv" >"$tmp/info.json" \
  || fail "info des Beispielauftrags"
grep -q '"PatientenID": "BEISPIEL-0001"' "$tmp/info.json" || fail "Beispielauftrag: $(head -c 400 "$tmp/info.json")"
if "$prefix/bin/quellvantar-cli" kunde >/dev/null 2>"$tmp/kunde.err"; then fail "kunde ohne Kunde.cfg"; fi
grep -q "$cfg/Kunde.cfg" "$tmp/kunde.err" || fail "kunde sucht nicht im Konfigurationsordner: $(cat "$tmp/kunde.err")"

# starte: runs the installed program in the background; beende: ends it and checks its log.
starte() {
  "$prefix/bin/quellvantar" >"$tmp/gui.log" 2>&1 &
  gui_pid=$!
}
beende() {
  kill -0 "$gui_pid" 2>/dev/null || fail "das Programm endete: $(cat "$tmp/gui.log")"
  kill "$gui_pid"
  wait "$gui_pid" 2>/dev/null || true
  gui_pid=
  if grep -q -e 'nicht gefunden' -e 'schreibgeschützt' "$tmp/gui.log"; then fail "$(cat "$tmp/gui.log")"; fi
}
warte_auf() {
  for _ in $(seq 300); do
    [ -e "$1" ] && return 0
    kill -0 "$gui_pid" 2>/dev/null || fail "das Programm endete: $(cat "$tmp/gui.log")"
    sleep 0.1
  done
  fail "$1 fehlt: $(cat "$tmp/gui.log")"
}

# With an empty home the program finds its configuration, makes the configuration folder and
# waits in the first-start dialog.
starte
warte_auf "$cfg"
sleep 1
beende

# With the person's customer data there, it starts into the main window and writes its settings
# into the configuration folder.
# (The start assistant is switched off: on this platform nobody could answer it.)
cp "$prefix/share/quellvantar/DemoKunde.cfg" "$cfg/Kunde.cfg"
printf '[Init]\r\nStartAssistent=0\r\n' >"$cfg/QuellvantarIni.ini"
starte
for _ in $(seq 300); do
  grep -q '^ModusIndex=' "$cfg/QuellvantarIni.ini" && break
  kill -0 "$gui_pid" 2>/dev/null || fail "das Programm endete: $(cat "$tmp/gui.log")"
  sleep 0.1
done
grep -q '^ModusIndex=' "$cfg/QuellvantarIni.ini" || fail "keine Einstellungen geschrieben: $(cat "$tmp/gui.log")"
beende
changed=$(find "$prefix" -newer "$tmp/vorher")
[ -z "$changed" ] || fail "im installierten Ordner geändert: $changed"
echo "ok"
