# Shared by scripts/test, scripts/run and scripts/package: package installation,
# the build trees, the release zip, and a private Xvfb display and Wine prefix
# that are always stopped.
# Source it; it defines functions and sets ROOT and BUILD.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

PACKAGES=(cmake g++ g++-mingw-w64-x86-64-posix googletest libbenchmark-dev libpng-dev
          wine wine64 xvfb x11-apps x11-utils xdotool imagemagick fonts-liberation clang lld
          python3 halibut libchm-dev)

say() { printf '== %s\n' "$*"; }

install_missing_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local line="apt-get update && apt-get install -y ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
      sudo="sudo"
    else
      echo "Missing packages: ${missing[*]}"
      echo "Install them as root with:"
      echo "  $line"
      exit 1
    fi
  fi
  say "installing ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null ||
    { echo "apt-get failed; try: $line"; exit 1; }
}

jobs_count() { nproc 2>/dev/null || echo 2; }

# build_tree NAME [cmake options...]: configures build/NAME (again, so that a
# named target added since is known), then builds what is stale (only
# the targets $BUILD_TARGET names, when it is set).
build_tree() {
  local name=$1; shift
  local dir="$BUILD/$name"
  cmake -S "$ROOT" -B "$dir" "$@" >"$BUILD/$name-configure.log" 2>&1 ||
    { cat "$BUILD/$name-configure.log"; return 1; }
  local targets=()
  [ -n "${BUILD_TARGET:-}" ] && read -r -a targets <<<"--target $BUILD_TARGET"
  cmake --build "$dir" -j "$(jobs_count)" "${targets[@]}"
}

build_native() { build_tree native -DCMAKE_BUILD_TYPE=Debug -DTESSEL_SANITIZE=ON; }

build_win64() {
  build_tree win64 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DTESSEL_TOOLS_DIR="$BUILD/native/tools"
}

# The same Windows tree built by clang, a second compiler, where any warning
# is an error. Its pictures come from the native tools, as build/win64's do.
build_clang() {
  build_tree clang-win64 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/clang-mingw-w64-x86_64.cmake" \
    -DTESSEL_TOOLS_DIR="$BUILD/native/tools" -DTESSEL_WERROR=ON
}

# The time the release's zip entries carry: SOURCE_DATE_EPOCH when set,
# else the time of the last commit, else none (1980, the zip's first day).
source_date() {
  echo "${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || echo 0)}"
}

# package_release: build/dist/TesselSudoku-VERSION-win64.zip from build/win64's
# program, stripped, with the user's notes and the licence; then the zip
# unpacked into the fresh folder build/dist/unpacked. Sets RELEASE_ZIP and
# RELEASE_EXE (the unpacked exe). strip would write the time into the exe's
# header; SOURCE_DATE_EPOCH=0 keeps it at 0, as the linker leaves it.
package_release() {
  local dist="$BUILD/dist" version
  version=$(sed -n 's/.*VALUE "ProductVersion", "\(.*\)".*/\1/p' "$ROOT/ui/resources.rc")
  RELEASE_ZIP="$dist/TesselSudoku-$version-win64.zip"
  RELEASE_EXE="$dist/unpacked/TesselSudoku.exe"
  rm -rf "$dist"
  mkdir -p "$dist/stage"
  SOURCE_DATE_EPOCH=0 x86_64-w64-mingw32-strip -o "$dist/stage/TesselSudoku.exe" \
    "$BUILD/win64/app/TesselSudoku.exe"
  SOURCE_DATE_EPOCH=$(source_date) python3 "$ROOT/scripts/release_zip.py" "$RELEASE_ZIP" \
    TesselSudoku.exe="$dist/stage/TesselSudoku.exe" README.txt="$ROOT/release/README.txt" \
    LICENSE="$ROOT/LICENSE"
  python3 -m zipfile -e "$RELEASE_ZIP" "$dist/unpacked"
}

XVFB_PID=""
stop_everything() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}

# A private display of its own number, chosen by Xvfb itself.
start_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start"; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# A private Wine prefix under build/, made on first use.
start_wine() {
  export WINEPREFIX="$BUILD/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "making the Wine prefix"
    wineboot -i >/dev/null 2>&1 || true
    # Without a window manager on the display, managed windows make Wine
    # wait for answers that never come (seconds per destroyed window).
    # Unmanaged, Wine draws the frames itself, close box included.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot failed to make $WINEPREFIX"; return 1; }
}

# The tests leave screenshots as bitmap files; keep them as PNGs.
save_screenshots_as_png() {
  local bmp
  for bmp in "$BUILD"/screenshots/*.bmp; do
    [ -e "$bmp" ] || continue
    /usr/bin/convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  say "screenshots in $BUILD/screenshots"
}
