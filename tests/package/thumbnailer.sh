#!/usr/bin/env bash
# The thumbnailer entry as a file manager reads it: installed into a temporary prefix, checked
# against the thumbnailer key-file format and the installed order file type, then its Exec line
# run with %i %o %s filled in as a file manager fills them; the picture it writes must be the
# one `quellvantar-cli vorschau` writes for the same order and size.
# Usage: thumbnailer.sh BUILD_FOLDER
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
eintrag=$prefix/share/thumbnailers/quellvantar.thumbnailer
[ -f "$eintrag" ] || fail "share/thumbnailers/quellvantar.thumbnailer wurde nicht installiert"

# The key-file format: one group [Thumbnailer Entry], Key=Value lines of the known keys, each once.
declare -A werte=()
gruppe=
while IFS= read -r zeile || [ -n "$zeile" ]; do
  case "$zeile" in
    '' | '#'*) continue ;;
    '['*']')
      [ -z "$gruppe" ] || fail "mehr als eine Gruppe: $zeile"
      gruppe=$zeile ;;
    *=*)
      [ -n "$gruppe" ] || fail "Schlüssel vor der Gruppe: $zeile"
      schluessel=${zeile%%=*}
      case "$schluessel" in TryExec | Exec | MimeType) ;; *) fail "unbekannter Schlüssel: $schluessel" ;; esac
      [ -z "${werte[$schluessel]+x}" ] || fail "Schlüssel doppelt: $schluessel"
      werte[$schluessel]=${zeile#*=} ;;
    *) fail "keine Zeile des Formats: $zeile" ;;
  esac
done <"$eintrag"
[ "$gruppe" = '[Thumbnailer Entry]' ] || fail "Gruppe: $gruppe"
exec_zeile=${werte[Exec]:?Exec fehlt}
typen=${werte[MimeType]:?MimeType fehlt}
[[ "$typen" == *';' ]] || fail "MimeType endet nicht mit ';': $typen"
[ "$typen" = 'application/x-quellvantar-auftrag;' ] || fail "MimeType: $typen"
# Every type it names is one the package defines.
IFS=';' read -ra liste <<<"$typen"
for typ in "${liste[@]}"; do
  grep -q "<mime-type type=\"$typ\">" "$prefix/share/mime/packages/quellvantar.xml" || fail "Typ $typ ist nicht definiert"
done
read -ra worte <<<"$exec_zeile"
[ "${worte[0]}" = "${werte[TryExec]:-${worte[0]}}" ] || fail "TryExec ${werte[TryExec]} ist nicht das Programm der Exec-Zeile"
[ -x "$prefix/bin/${worte[0]}" ] || fail "${worte[0]} ist nicht installiert"
for wort in "${worte[@]:1}"; do
  case "$wort" in %[ious]) ;; %*) fail "unbekannter Platzhalter $wort" ;; esac
done

# As a file manager runs it: the installed program on PATH, an empty home, a name with a blank
# (each placeholder becomes one argument, whatever it holds).
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
mkdir -p "$HOME"
cp "$prefix/share/quellvantar/Beispielauftrag.ORv" "$tmp/mein Auftrag.ORv"
for groesse in 128 256; do
  argumente=()
  for wort in "${worte[@]}"; do
    case "$wort" in
      %i) argumente+=("$tmp/mein Auftrag.ORv") ;;
      %u) argumente+=("file://$tmp/mein%20Auftrag.ORv") ;;
      %o) argumente+=("$tmp/vorschau $groesse.png") ;;
      %s) argumente+=("$groesse") ;;
      *) argumente+=("$wort") ;;
    esac
  done
  PATH=$prefix/bin:$PATH "${argumente[@]}" || fail "Exec-Zeile: ${argumente[*]}"
  "$prefix/bin/quellvantar-cli" vorschau "$tmp/mein Auftrag.ORv" "$tmp/direkt $groesse.png" "$groesse" \
    || fail "vorschau $groesse"
  cmp -s "$tmp/vorschau $groesse.png" "$tmp/direkt $groesse.png" || fail "die Exec-Zeile schreibt ein anderes Bild ($groesse)"
  read -r breite hoehe < <(identify -format '%w %h\n' "png:$tmp/vorschau $groesse.png")
  [ "$breite" -eq "$groesse" ] || [ "$hoehe" -eq "$groesse" ] || fail "kein PNG von $groesse Pixeln: $breite x $hoehe"
done
echo "ok"
