#!/usr/bin/env bash
# Installs into a temporary home and checks what the desktop sees, runs the installed FOLIA
# until it has written its settings beside itself, then reinstalls and uninstalls and checks
# that the user's own files are still there and everything else is gone.
#
#   InstallTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
. "$source/tests/install/support.sh"

export HOME=$work/home
prefix=$HOME/.local
data=$prefix/share
mkdir -p "$HOME"

# name launcher app-id icon
builds=(
    "FOLIA ENGLISH|folia|org.example.folia.FoliaEnglish|org.example.folia.Folia"
    "FOLIA|folia-es|org.example.folia.Folia|org.example.folia.Folia"
    "Quillet|quillet|org.example.folia.Quillet|org.example.folia.Quillet"
    "Quilleta|quillet-es|org.example.folia.Quilleta|org.example.folia.Quillet"
)
sizes=(16 22 24 32 48 64 128 256)

install_all() { cmake --install "$build" --strip --prefix "$prefix" >"$work/install.log"; }

# --- a fresh install: the layout, and what the validators say about it
install_all
for entry in "${builds[@]}"; do
    IFS='|' read -r name launcher id icon <<<"$entry"
    folder=$data/folia/$name
    [ -x "$folder/$name" ] || fail "$name is not installed in its own folder"
    cmp -s "$folder/LICENSE" "$source/LICENSE" || fail "$name has no licence beside it"
    [ -x "$prefix/bin/$launcher" ] || fail "no launcher $launcher"
    desktop=$data/applications/$id.desktop
    grep -qxF "Exec=\"$folder/$name\" %f" "$desktop" || fail "$id.desktop does not start $name"
    grep -qxF "MimeType=text/plain;" "$desktop" || fail "$id.desktop does not open text files"
    grep -qxF "StartupWMClass=$name" "$desktop" || fail "$id.desktop does not match $name's window"
    grep -qxF "Icon=$icon" "$desktop" || fail "$id.desktop names another icon"
    desktop-file-validate "$desktop" || fail "$id.desktop is not valid"
    meta=$data/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net --pedantic "$meta" >"$work/validate.log" ||
        { cat "$work/validate.log"; fail "$id.metainfo.xml is not valid"; }
    grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$meta" ||
        fail "$id.metainfo.xml does not name the licence"
    grep -qF "<mediatype>text/plain</mediatype>" "$meta" ||
        fail "$id.metainfo.xml does not name the type it opens"
    for size in "${sizes[@]}"; do
        png_is_square "$data/icons/hicolor/${size}x$size/apps/$icon.png" "$size"
    done
done
grep -qx "Name=FOLIA" "$data/applications/org.example.folia.Folia.desktop" &&
    grep -q "^Comment=Estudia" "$data/applications/org.example.folia.Folia.desktop" ||
    fail "the Spanish build's menu entry is not in Spanish"
for name in "FOLIA ENGLISH" FOLIA; do
    [ -f "$data/folia/$name/samples/welcome.txt" ] || fail "$name has no samples beside it"
done

# --- the launchers pass their arguments on; --help and --version answer with no display
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$launcher" "$@"; }
for entry in "${builds[@]}"; do
    IFS='|' read -r name launcher id icon <<<"$entry"
    headless --version >"$work/out" 2>"$work/err" || fail "$launcher --version failed"
    [ "$(head -n1 "$work/out")" = "$name 1.0" ] && sed -n 2p "$work/out" | grep -q GPL-3.0-or-later ||
        fail "$launcher --version does not name the program, then the licence"
    headless --help >"$work/out" 2>"$work/err" || fail "$launcher --help failed"
    grep -q "^Us[a-z]*: $launcher \[" "$work/out" && [ ! -s "$work/err" ] ||
        fail "$launcher --help does not show the usage"
    status=0
    headless --no-such-option >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q -- "--no-such-option" "$work/err" ||
        fail "$launcher with an unknown option did not end with 2 and the help"
done

# --- the installed FOLIA, started through its launcher from elsewhere, keeps its settings
# beside itself
english=$data/folia/FOLIA\ ENGLISH
(cd "$work" && run_until_terminated "$prefix/bin/folia")
[ -f "$english/Configuracion.ini" ] || fail "FOLIA did not write its settings beside itself"
[ ! -e "$work/Configuracion.ini" ] || fail "FOLIA wrote its settings into the current folder"

# --- a text named on the command line is imported into the fresh FOLIA, which keeps it
printf 'A text opened from the file manager\n' >"$work/opened.txt"
QT_QPA_PLATFORM=offscreen "$prefix/bin/folia" "$work/opened.txt" >"$work/run.log" 2>&1 &
opened=$!
for _ in $(seq 300); do
    grep -qs "opened from the file manager" "$english/cache.04" && break
    sleep 0.1
done
kill -TERM "$opened" 2>/dev/null || true
wait "$opened" || { cat "$work/run.log"; fail "FOLIA with a file did not end cleanly"; }
grep -q "opened from the file manager" "$english/cache.04" || fail "the named text was not imported"

# --- the user's files, as the programs leave them
printf 'document' >"$english/cache.04"
printf 'colours' >"$english/Mis Colores.log"
mkdir -p "$english/my pages" "$english/samples/mine"
printf 'page' >"$english/my pages/1.png"
printf 'note' >"$english/samples/mine/note.txt"
printf 'text\r\n' >"$data/folia/Quillet/cache.txt"
printf 'other' >"$prefix/bin/other-tool"
printf 'other' >"$data/applications/other.desktop"
user_files=("$english/Configuracion.ini" "$english/cache.04" "$english/Mis Colores.log"
    "$english/my pages/1.png" "$english/samples/mine/note.txt" "$data/folia/Quillet/cache.txt"
    "$prefix/bin/other-tool" "$data/applications/other.desktop")
sha256sum "${user_files[@]}" >"$work/user-files.sum"

# --- a reinstall over it keeps them
install_all
sha256sum --quiet -c "$work/user-files.sum" || fail "reinstalling changed the user's files"
[ -x "$english/FOLIA ENGLISH" ] || fail "reinstalling lost the program"

# --- uninstalling removes what was installed and keeps the rest
cmake -DPREFIX="$prefix" -P "$source/cmake/Uninstall.cmake" >"$work/uninstall.log"
sha256sum --quiet -c "$work/user-files.sum" || fail "uninstalling touched the user's files"
for entry in "${builds[@]}"; do
    IFS='|' read -r name launcher id icon <<<"$entry"
    [ ! -e "$data/folia/$name/$name" ] || fail "$name is still installed"
    [ ! -e "$prefix/bin/$launcher" ] || fail "launcher $launcher is still there"
    [ ! -e "$data/applications/$id.desktop" ] || fail "$id.desktop is still there"
    [ ! -e "$data/metainfo/$id.metainfo.xml" ] || fail "$id.metainfo.xml is still there"
    for size in "${sizes[@]}"; do
        [ ! -e "$data/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "icon $icon remains"
    done
done
[ ! -e "$english/samples/welcome.txt" ] || fail "the samples are still there"
[ ! -e "$data/folia/Quilleta" ] || fail "the emptied Quilleta folder is still there"
[ ! -e "$data/folia/FOLIA/samples" ] || fail "the emptied samples folder is still there"
[ ! -e "$data/folia/installed-files.txt" ] || fail "the list of installed files remains"

# A second uninstall finds nothing to do.
cmake -DPREFIX="$prefix" -P "$source/cmake/Uninstall.cmake" | grep -q "Nothing installed" ||
    fail "a second uninstall did not say that nothing is installed"
# --- a staged install (DESTDIR) lists its files and names its programs as they will stand
DESTDIR=$work/stage cmake --install "$build" --prefix /opt/folia >"$work/staged.log"
staged=$work/stage/opt/folia
grep -qx "share/folia/Quillet/Quillet" "$staged/share/folia/installed-files.txt" &&
    ! grep -q '^\.\.' "$staged/share/folia/installed-files.txt" ||
    fail "the staged install lists its files wrongly"
grep -qxF 'Exec="/opt/folia/share/folia/Quillet/Quillet" %f' \
    "$staged/share/applications/org.example.folia.Quillet.desktop" ||
    fail "the staged menu entry names the staging folder"
echo "install, reinstall and uninstall: all checks passed"
