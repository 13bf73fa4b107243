#!/bin/bash
# End-to-end checks of the printouts with the real program under a virtual
# X server.
#
#   run_e2e_reports.sh CASE BIN_DIR
#
# CASE is one of
#   table   type the worked example into the main window, open the payback
#           dialog, print the table for 2 years from the preview to
#           "PDF-Datei" and read the PDF back (pdfinfo, pdftotext)
#   graph   the same with the graph: the graph dialog's proposals, its
#           "Drucken", the preview, "PDF-Datei"
#   overview  the same with "Ausdruck Gesamtübersicht": three cover sheets
#
# BIN_DIR holds the built program and its side files; each case copies them
# into a fresh program directory. The program sees no CUPS printer (its
# CUPS_SERVER names a socket where nothing listens), so "PDF-Datei" is the
# current printer; HOME is a fresh folder, in whose documents folder the file
# dialog proposes the PDF under the report's name. Without DISPLAY the script runs itself under xvfb-run (1024 x
# 768, 96 dpi); there is no window manager, so windows sit where the
# program puts them and coordinates are relative to them.
set -u

CASE=${1:?case}
BIN_DIR=${2:?bin dir}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

TIMEOUT=60
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"
begin_work tavi-e2e-reports

PROG="$WORK/prog"
mkdir -p "$WORK/home"
prepare_program_dir "$BIN_DIR" "$PROG" || die "cannot copy the program"
case "$CASE" in
  table) PDF="$WORK/home/Documents/Amortisations-Tabelle.pdf" ;;
  graph) PDF="$WORK/home/Documents/Amortisations-Grafik.pdf" ;;
  *) PDF="$WORK/home/Documents/Gesamtübersicht.pdf" ;;
esac

# The id of the visible window whose name matches (an extended regex).
window() {
  local id
  id=$(timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1)
  [ -n "$id" ] || die "no window \"$1\""
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.3  # let it take the keyboard
  echo "$id"
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
key() { xdotool key --clearmodifiers "$@"; }
type_field() {
  key ctrl+a
  xdotool type --delay 30 "$1"
  key Tab
}

# The words of the pdftotext -layout line that starts with the month $2.
row() { pdftotext -layout "$1" - | awk -v m="$2" '$1 == m { $1 = $1; print; exit }'; }

HOME="$WORK/home" CUPS_SERVER="$WORK/no-cups.sock" "$PROG/tavi" >"$WORK/tavi.log" 2>&1 &
PID=$!

# Main window: the worked example (the number of studies has the focus).
main=$(window '^MORLAK-Amortisationsrechnung$')
for value in 120 7.5 30 40 50; do type_field "$value"; done
click "$main" 41 38  # tool bar: "Amortisationsrechnung"
payback=$(window '^Amortisationsrechnung$')

case "$CASE" in
  table)
    click "$payback" 16 35  # tool bar: "Ausdruck Amortisations-Tabelle"
    window '^Eingabe$' >/dev/null
    key ctrl+a
    xdotool type "2"
    key Return
    ;;
  graph)
    click "$payback" 40 35  # tool bar: "Ausdruck Amortisations-Grafik"
    window '^Amortisations - Grafik$' >/dev/null
    key Return  # "Drucken" is the default button
    ;;
  overview)
    click "$payback" 64 35  # tool bar: "Ausdruck Gesamtübersicht"
    ;;
  *) die "unknown case $CASE" ;;
esac

preview=$(window '^Seitenvorschau$')
click "$preview" 20 20  # "Alle Seiten drucken"
window '^Drucken$' >/dev/null
key Return
window '^PDF-Datei speichern$' >/dev/null
key Return  # the proposal in the documents folder

# A successful print writes the file and then closes the preview.
for ((i = 0; i < TIMEOUT * 10; i++)); do
  if [ -s "$PDF" ] && ! xdotool search --onlyvisible --name '^Seitenvorschau$' >/dev/null 2>&1; then break; fi
  sleep 0.1
done
[ -s "$PDF" ] || die "no PDF was written"
xdotool search --onlyvisible --name '^Seitenvorschau$' >/dev/null 2>&1 && die "the preview stayed open"
pages=$(pdfinfo "$PDF" | awk '/^Pages:/ { print $2 }')
size=$(pdfinfo "$PDF" | awk '/^Page size:/ { print $3 "x" $5 }')
if [ "$CASE" = overview ]; then
  [ "$pages" = 3 ] || fail "$pages pages"
else
  [ "$pages" = 1 ] || fail "$pages pages"
fi

case "$CASE" in
  table)
    [ "$size" = 595x842 ] || fail "page size $size, not A4 portrait"
    # Months 0 to 24 in order, one row each.
    months=$(pdftotext -layout "$PDF" - | awk '$1 ~ /^[0-9]+$/ && NF == 10 { printf "%s ", $1 }')
    expected=$(seq -s ' ' 0 24)
    [ "$months" = "$expected " ] || fail "months \"$months\""
    [ "$(row "$PDF" 12)" = "12 3750 45000 1875 27980 1068 24788 17020 20212 3192" ] ||
      fail "row 12: \"$(row "$PDF" 12)\""
    [ "$(row "$PDF" 24)" = "24 3750 90000 1875 50480 188 31880 39520 58120 18600" ] ||
      fail "row 24: \"$(row "$PDF" 24)\""
    ;;
  graph)
    [ "$size" = 842x595 ] || fail "page size $size, not A4 landscape"
    text=$(pdftotext "$PDF" - | tr -s ' \n' '  ')
    for word in "Grafischer Kostenverlauf" Monate "Kosten in EUR" Manuell Zeitstudiensystem Planzeitsystem \
                2.92 3.61 7.21 40000; do
      case "$text" in *"$word"*) ;; *) fail "graph lacks \"$word\"" ;; esac
    done
    ;;
  overview)
    [ "$size" = 595x842 ] || fail "page size $size, not A4 portrait"
    text=$(pdftotext "$PDF" - | tr -s ' \n' '  ')
    case "$text" in *OnData*) fail "a data field kept its default text" ;; esac
    for word in "Gesamtübersicht" "Grunddaten und Einsparungen" 45000 3562 "Seite 2 / 3" 5480 62020 \
                "Zeitstudien- und Planzeitsystem" 100870 0.39 "Seite 3 / 3"; do
      case "$text" in *"$word"*) ;; *) fail "overview lacks \"$word\"" ;; esac
    done
    ;;
esac

# Close the payback dialog and end the program with "Beenden".
window '^Amortisationsrechnung$' >/dev/null
key Escape
main=$(window '^MORLAK-Amortisationsrechnung$')
click "$main" $((636 - 8 - 37)) $((435 - 8 - 12))
for ((i = 0; i < TIMEOUT * 10; i++)); do
  kill -0 "$PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$PID" 2>/dev/null; then die "the program did not end"; fi
wait "$PID"
rc=$?
PID=""
[ "$rc" = 0 ] || fail "exit code $rc"

if [ "$FAILED" != 0 ]; then
  echo "--- program output" >&2
  cat "$WORK/tavi.log" >&2
  exit 1
fi
echo "PASS: $CASE"
