# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing, then configures and builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(build-essential cmake ninja-build libgtest-dev
          qt6-base-dev libxkbcommon-dev fonts-dejavu-core
          xvfb xauth xdotool imagemagick man-db
          cmark cmark-gfm desktop-file-utils appstream lintian
          xdg-utils libfile-mimeinfo-perl)
# The window program needs Qt 6 Widgets, PrintSupport and Test (qt6-base-dev
# brings their GL dependencies) and a font to draw text with; its tests run on
# the offscreen platform. The screenshots run it under Xvfb (xvfb-run needs
# xauth), raise windows with xdotool and save them with ImageMagick's import.
# The manual is converted to HTML with cmark-gfm (tables) or cmark; the install
# check validates the desktop and AppStream files, asks xdg-mime (which needs
# mimetype from libfile-mimeinfo-perl outside a desktop) for the clone-file
# type and runs lintian on the package. The manual-page test renders the pages
# with man (man-db).
# The fuzz targets also need: clang libclang-rt-14-dev (scripts/fuzz installs them).

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]
build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
