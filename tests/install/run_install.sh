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
#   shared    cmake --install into a root-owned prefix; two unprivileged
#             users (setpriv, HOME in the scratch folder) each type a value
#             and find it again at the next start, in their own data folder
#             (mode 700); nothing in the prefix changes. A user whose home
#             cannot be written is warned at start and told at exit.
#   deb       cpack -G DEB: tavi_<version>_amd64.deb holds the program under
#             /usr, depends on what it loads, and lintian finds no error
#
# Without DISPLAY the graphical cases run themselves under xvfb-run.
set -u

CASE=${1:?case}
SRC=${2:?source dir}
BUILD=${3:?build dir}

if [ "$CASE" != validate ] && [ "$CASE" != deb ] && [ -z "${DISPLAY:-}" ]; then
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

# Focuses the window and types $2 into the field that has the focus (the
# first field of the main window), then leaves it with Tab.
type_into() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.3
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$2"
  xdotool key Tab
}

# Answers the message box $1 with Return.
press_return() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.3
  xdotool key Return
}

# The four bytes of AnzZS (first field of the last 60 bytes) as hex.
anzzs_bytes() {
  local size
  size=$(stat -c %s "$1")
  od -An -tx1 -j $((size - 60)) -N4 "$1" | tr -d ' \n'
}

# The user with id $1, home $2: may read the display, owns the home.
make_user_home() {
  mkdir -p "$2" && chown "$1:$1" "$2" || die "home $2"
  cp "$XAUTHORITY" "$2/.Xauthority" && chown "$1:$1" "$2/.Xauthority" || die "display access for $1"
}

# Starts program $1 as user $2 with home $3 (no XDG_DATA_HOME).
start_as() {
  setpriv --reuid="$2" --regid="$2" --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$3" XAUTHORITY="$3/.Xauthority" DISPLAY="$DISPLAY" \
    QT_QPA_PLATFORM=xcb ${LSAN_OPTIONS:+LSAN_OPTIONS=$LSAN_OPTIONS} "$1" >"$WORK/tavi.log" 2>&1 &
  PID=$!
}

# One run of user $2 (home $3) of program $1: types $4 unless empty, ends
# with "Beenden".
run_as() {
  local win
  start_as "$1" "$2" "$3"
  win=$(wait_window "$TITLE") || die "main window did not appear for user $2"
  sleep 0.5
  [ -z "$4" ] || type_into "$win" "$4"
  click_exit "$win"
  wait_exit || die "program of user $2 did not end"
  [ "$RC" -eq 0 ] || die "program of user $2 ended with $RC"
}

# What the prefix holds: every name with owner, mode, size and time.
prefix_listing() { (cd "$1" && find . -printf '%p %u %m %s %T@\n' | sort); }

case "$CASE" in
  shared)
    [ "$(id -u)" -eq 0 ] || { echo "skipped: needs root to start the program as other users"; exit 77; }
    chmod 755 "$WORK"
    PREFIX="$WORK/prefix"
    cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; die "install"; }
    chown -R root:root "$PREFIX" && chmod -R go-w "$PREFIX"
    before=$(prefix_listing "$PREFIX")
    A=65534 B=65533 C=65532
    make_user_home $A "$WORK/home-a"
    make_user_home $B "$WORK/home-b"
    run_as "$PREFIX/bin/tavi" $A "$WORK/home-a" 120
    DATA_A="$WORK/home-a/.local/share/tavi"
    [ -f "$DATA_A/TAVI.DAT" ] || die "no TAVI.DAT in the first user's data folder"
    [ "$(stat -c '%a %u' "$DATA_A")" = "700 $A" ] || fail "data folder: $(stat -c '%a %u' "$DATA_A"), expected 700 $A"
    [ -f "$DATA_A/TAVI.INI" ] || fail "no TAVI.INI in the first user's data folder"
    [ "$(anzzs_bytes "$DATA_A/TAVI.DAT")" = 78000000 ] || fail "first run: AnzZS $(anzzs_bytes "$DATA_A/TAVI.DAT")"
    # The second start reads it: a run without input writes it back.
    run_as "$PREFIX/bin/tavi" $A "$WORK/home-a" ""
    [ "$(anzzs_bytes "$DATA_A/TAVI.DAT")" = 78000000 ] || fail "second run: the input of the first is lost"
    # Another user keeps his own.
    run_as "$PREFIX/bin/tavi" $B "$WORK/home-b" 77
    [ "$(anzzs_bytes "$WORK/home-b/.local/share/tavi/TAVI.DAT")" = 4d000000 ] || fail "second user's value"
    [ "$(anzzs_bytes "$DATA_A/TAVI.DAT")" = 78000000 ] || fail "the second user changed the first user's data"
    # tavi-report reads the user's file: the same table as with that file named.
    if [ -e "$PREFIX/bin/tavi-report" ]; then
      for run in default named; do
        data=()
        [ $run = default ] || data=(--data "$DATA_A/TAVI.DAT")
        setpriv --reuid=$A --regid=$A --clear-groups env -i HOME="$WORK/home-a" \
          ${LSAN_OPTIONS:+LSAN_OPTIONS=$LSAN_OPTIONS} "$PREFIX/bin/tavi-report" table --csv "$WORK/home-a/$run.csv" \
          "${data[@]}" 2>"$WORK/report.log" || { cat "$WORK/report.log"; fail "tavi-report as the first user"; }
      done
      cmp -s "$WORK/home-a/default.csv" "$WORK/home-a/named.csv" || fail "tavi-report did not read the user's TAVI.DAT"
    fi
    # A home that cannot be written: a warning at start, errors at exit.
    mkdir "$WORK/home-c" && cp "$XAUTHORITY" "$WORK/home-c/.Xauthority" && chmod 644 "$WORK/home-c/.Xauthority"
    start_as "$PREFIX/bin/tavi" $C "$WORK/home-c"
    warn=$(wait_window '^Warnung$') || die "no warning at start with a read-only home"
    press_return "$warn"
    win=$(wait_window "$TITLE") || die "main window did not appear after the warning"
    sleep 0.5
    click_exit "$win"
    for what in "data file" "settings file"; do
      err=$(wait_window '^Fehler$') || die "no message at exit about the $what"
      press_return "$err"
      sleep 0.5
    done
    wait_exit || die "program with a read-only home did not end"
    [ ! -e "$WORK/home-c/.local" ] || fail "something was made in the read-only home"
    [ "$(prefix_listing "$PREFIX")" = "$before" ] || fail "the prefix changed"
    ;;
  deb)
    for tool in dpkg-deb dpkg-shlibdeps lintian; do
      command -v $tool >/dev/null || die "$tool is missing (scripts/install-deps.sh installs it)"
    done
    (cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg") >"$WORK/cpack.log" 2>&1 ||
      { cat "$WORK/cpack.log"; die "cpack -G DEB"; }
    DEB=$(ls "$WORK"/pkg/tavi_*_amd64.deb 2>/dev/null | head -1)
    [ -n "$DEB" ] || { ls "$WORK/pkg"; die "no tavi_<version>_amd64.deb"; }
    dpkg-deb --contents "$DEB" >"$WORK/contents" || die "dpkg-deb --contents"
    for f in ./usr/lib/tavi/tavi ./usr/lib/tavi/tavi-report ./usr/lib/tavi/TAVI.049 ./usr/lib/tavi/TAVI.HLP/index.html \
             ./usr/lib/tavi/BLATT1.CFM "./usr/bin/tavi -> ../lib/tavi/tavi" "./usr/bin/tavi-report -> ../lib/tavi/tavi-report" \
             ./usr/share/applications/de.morlak.tavi.desktop ./usr/share/icons/hicolor/scalable/apps/de.morlak.tavi.svg \
             ./usr/share/metainfo/de.morlak.tavi.metainfo.xml ./usr/share/doc/tavi/copyright; do
      grep -qF " $f" "$WORK/contents" || fail "the package lacks $f"
    done
    grep -qF ./usr/share/mime/packages/de.morlak.tavi.xml "$WORK/contents" || fail "the package lacks the MIME type"
    ! grep -v ' root/root ' "$WORK/contents" | grep -q . || fail "files not owned by root"
    depends=$(dpkg-deb -f "$DEB" Depends)
    for d in libc6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-translations-l10n fonts-liberation2; do
      case ", $depends," in *", $d "* | *", $d,"*) ;; *) fail "Depends lacks $d: $depends" ;; esac
    done
    lintian --tag-display-limit 0 "$DEB" >"$WORK/lintian.log" 2>&1
    cat "$WORK/lintian.log"
    ! grep -q '^E: ' "$WORK/lintian.log" || fail "lintian reports errors"
    # Every warning left is explained in the README.
    for tag in $(sed -n 's/^W: [^ ]*: \([^ ]*\).*/\1/p' "$WORK/lintian.log" | sort -u); do
      grep -qF "$tag" "$SRC/README.md" || fail "lintian warning $tag is not explained in the README"
    done
    echo "ok: $DEB"
    ;;
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
[ "$FAILED" -eq 0 ] || exit 1
exit 0
