# Shared by the scripts: the build folder, its Wine prefix, and the prefix's
# one-time set-up. Source it; do not run it.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR=$ROOT/$BUILD_DIR ;; esac
export WINEPREFIX=$BUILD_DIR/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Prepares the Wine prefix; each step runs once per prefix.
init_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.rv417-ready" ]; then
    create_wine_prefix
  fi
  # Windows are not handed to a window manager: the virtual display has none,
  # and Wine would wait two seconds for one each time a window is hidden.
  if [ ! -f "$WINEPREFIX/.rv417-unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.rv417-unmanaged"
  fi
  if [ ! -f "$WINEPREFIX/.rv417-fonts" ]; then
    add_window_faces || return 1
    touch "$WINEPREFIX/.rv417-fonts"
  fi
}

# Wine's own faces come with the distribution's Wine font package: Tahoma,
# which the dialogs ("MS Shell Dlg"), menus and message boxes ask for, and
# Marlett, the glyphs of the caption buttons. This Wine looks for them in a
# folder where the package does not put them, so the prefix's Fonts folder
# links them. Latin captions ask for "Arial": it maps to Liberation Sans,
# which has Arial's metrics. Wine takes a substitute only for a face it does
# not have, and honours HKCU\Software\Wine\Fonts\Replacements alike; the
# key below is the one the Chinese faces use. Without these, the skinned
# buttons, which ask for their captions with the modern family, get
# Liberation Mono in place of each of these faces.
add_window_faces() {
  local package=/usr/share/wine/fonts fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  if [ ! -f "$package/tahoma.ttf" ]; then
    echo "env: Wine's own fonts are missing from $package (scripts/install-deps installs them)" >&2
    return 1
  fi
  mkdir -p "$fonts"
  for font in "$package"/*; do
    [ -e "$fonts/$(basename "$font")" ] || ln -s "$font" "$fonts/"
  done
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  wine reg add "$key" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
  wineserver -w
}

# Creates the Wine prefix, with the Chinese font faces the program asks for
# mapped to an installed CJK font.
create_wine_prefix() {
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for face in 黑体 宋体; do
    LANG=C.UTF-8 wine reg add "$key" /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.rv417-ready"
}

# Starts Wine's background processes (services, device manager, desktop) with
# their output going nowhere. Started later by a test or a build step, they
# would inherit that step's output pipe and keep ctest or ninja waiting for it
# to close long after the step itself has ended.
#
# The desktop closes whenever no program uses it, and the next program that
# needs it starts it again; under ctest that is a test, whose output pipe the
# desktop then holds while other tests keep it busy, so ctest waits for that
# test until its time limit. A console that waits for input until the
# wineserver ends keeps the desktop in use for the whole session.
start_wine_services() {
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
  (wineserver -w 2>/dev/null | wine cmd.exe >/dev/null 2>&1 &)
}

configure_and_build() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} >/dev/null
  cmake --build "$BUILD_DIR"
}
