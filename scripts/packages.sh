# The Debian 12 packages that building, running and testing Quillora need, and the step that
# installs the missing ones. Sourced by scripts/run and scripts/test.

QUILLORA_PACKAGES=(
    g++ cmake ninja-build pkg-config              # compiler and build
    libutf8proc-dev                               # Unicode case folding and normalisation
    qt6-base-dev libgl-dev                        # Qt 6 Widgets (Qt's CMake files want libGL)
    qt6-wayland qt6-gtk-platformtheme             # the usual desktop platforms at run time
    libespeak-ng-dev espeak-ng-data               # speech: espeak-ng and its voices (Hawaiian: haw)
    libgtest-dev libbenchmark-dev                 # GoogleTest, Google Benchmark
    fonts-dejavu-core                             # a font for the offscreen GUI tests
    xvfb xauth xdotool x11-utils imagemagick      # the real-display checks
    at-spi2-core python3-pyatspi dbus             # the screen-reader check (AT-SPI on D-Bus)
    python3                                       # data checks and tools
    clang libclang-rt-14-dev                      # fuzzers (libFuzzer)
    clang-format                                  # the formatting check (clang-format 14)
    desktop-file-utils appstream                  # checks of the desktop entry and metainfo
    dpkg-dev man-db groff-base gzip               # the Debian package and its man pages
)

# Installs every package of the list that is not installed yet; does nothing when all are.
quillora_install_packages() {
    local missing=()
    local package
    for package in "${QUILLORA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
