#!/bin/bash
# Checks of the installation and of the portable archive.
#
#   run_install.sh CASE SOURCE_DIR BUILD_DIR
#
# CASE is one of
#   validate  the desktop entry passes desktop-file-validate and the
#             AppStream metadata appstreamcli validate --no-net; the MIME
#             type names *.tavi application/x-tavi (xdg-mime, own prefix)
#   prefix    cmake --install into a temporary prefix; <prefix>/bin/tavi
#             shows the main window and, closed with "Beenden", writes
#             TAVI.DAT into <prefix>/lib/tavi
#   archive   cpack -G TGZ; the unpacked tavi-<version>/tavi does the same in
#             its own folder
#
# Without DISPLAY the graphical cases run themselves under xvfb-run.
set -u

CASE=${1:?case}
SRC=${2:?source dir}
BUILD=${3:?build dir}

if [ "$CASE" != validate ] && [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

TIMEOUT=60
# shellcheck source=../e2e/e2elib.sh
. "$SRC/tests/e2e/e2elib.sh"
begin_work tavi-install

# Starts the program file $1, closes it with "Beenden" and checks that the
# default data file (1828 bytes) is written into folder $2.
run_and_close() {
  local program=$1 dir=$2 win size
  [ -x "$program" ] || die "$program is missing"
  [ ! -e "$dir/TAVI.DAT" ] || die "$dir/TAVI.DAT exists before the start"
  start_program "$program"
  win=$(wait_window "$TITLE") || die "main window of $program did not appear"
  sleep 0.5
  click_exit "$win"
  wait_exit || die "$program did not end"
  [ "$RC" -eq 0 ] || die "$program ended with $RC"
  [ -f "$dir/TAVI.DAT" ] || die "no TAVI.DAT in $dir"
  size=$(stat -c %s "$dir/TAVI.DAT")
  [ "$size" -eq 1828 ] || die "TAVI.DAT in $dir has $size bytes, not 1828"
  echo "ok: $program wrote $dir/TAVI.DAT"
}

case "$CASE" in
  validate)
    desktop-file-validate "$SRC/data/desktop/de.morlak.tavi.desktop" || die "desktop entry"
    appstreamcli validate --no-net "$SRC/data/desktop/de.morlak.tavi.metainfo.xml" || die "AppStream metadata"
    # The file type: well-formed (against the shared MIME schema where the
    # system has one), and known for *.tavi once update-mime-database has
    # run in a prefix of its own.
    MIME="$SRC/data/desktop/de.morlak.tavi.mime.xml"
    SCHEMA=$(ls /usr/share/xml/shared-mime-info/*.xsd /usr/share/shared-mime-info/*.xsd 2>/dev/null | head -1)
    if [ -n "$SCHEMA" ]; then xmllint --noout --schema "$SCHEMA" "$MIME" || die "MIME type (schema)"
    else xmllint --noout "$MIME" || die "MIME type"; fi
    grep -q '^Exec=tavi %f$' "$SRC/data/desktop/de.morlak.tavi.desktop" || die "desktop entry does not pass the file"
    grep -q '^MimeType=application/x-tavi;$' "$SRC/data/desktop/de.morlak.tavi.desktop" || die "desktop entry MimeType"
    mkdir -p "$WORK/mime/share/mime/packages"
    cp "$MIME" "$WORK/mime/share/mime/packages/de.morlak.tavi.xml"
    update-mime-database "$WORK/mime/share/mime" >/dev/null 2>&1 || die "update-mime-database"
    printf 'x' >"$WORK/mime/Berechnung.tavi"
    if command -v xdg-mime >/dev/null; then
      TYPE=$(XDG_DATA_HOME="$WORK/mime/share" XDG_DATA_DIRS="$WORK/mime/share:/usr/share" \
             xdg-mime query filetype "$WORK/mime/Berechnung.tavi")
      [ "$TYPE" = application/x-tavi ] || die "xdg-mime names \"$TYPE\" for a .tavi file"
    else
      grep -q '^50:application/x-tavi:\*\.tavi$' "$WORK/mime/share/mime/globs2" || die "globs2 lacks *.tavi"
    fi
    ;;
  prefix)
    PREFIX="$WORK/prefix"
    cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; die "install"; }
    for f in lib/tavi/tavi lib/tavi/TAVI.049 lib/tavi/TAVI.HLP/index.html share/applications/de.morlak.tavi.desktop \
             share/metainfo/de.morlak.tavi.metainfo.xml share/icons/hicolor/scalable/apps/de.morlak.tavi.svg \
             share/mime/packages/de.morlak.tavi.xml; do
      [ -e "$PREFIX/$f" ] || die "$f was not installed"
    done
    [ "$(readlink "$PREFIX/bin/tavi")" = ../lib/tavi/tavi ] || die "bin/tavi is not a link into lib/tavi"
    if [ -e "$PREFIX/lib/tavi/tavi-report" ]; then
      [ "$(readlink "$PREFIX/bin/tavi-report")" = ../lib/tavi/tavi-report ] || die "bin/tavi-report link"
    fi
    # Started through the link, as the desktop entry starts it.
    run_and_close "$PREFIX/bin/tavi" "$PREFIX/lib/tavi"
    ;;
  archive)
    (cd "$WORK" && cpack -G TGZ --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg") >"$WORK/cpack.log" 2>&1 ||
      { cat "$WORK/cpack.log"; die "cpack"; }
    ARCHIVE=$(ls "$WORK"/pkg/tavi-*-linux-x86_64.tar.gz 2>/dev/null | head -1)
    [ -n "$ARCHIVE" ] || die "no archive tavi-<version>-linux-x86_64.tar.gz"
    mkdir "$WORK/unpacked"
    tar xzf "$ARCHIVE" -C "$WORK/unpacked" || die "unpacking"
    DIR=$(ls -d "$WORK"/unpacked/tavi-* | head -1)
    [ "$(ls "$WORK/unpacked" | wc -l)" -eq 1 ] || die "the archive holds more than the program's folder"
    [ -f "$DIR/TAVI.049" ] && [ -f "$DIR/TAVI.HLP/index.html" ] || die "side files missing in the archive"
    run_and_close "$DIR/tavi" "$DIR"
    ;;
  *)
    die "unknown case $CASE"
    ;;
esac
exit 0
