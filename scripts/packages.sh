# SPDX-License-Identifier: MIT
# Sourced by scripts/run and scripts/test: installs the Debian packages the
# build needs, skipping those already present. Safe to run again.

# Packages both commands need to build the program.
MARVANE_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libqt6svg6
    # Qt Charts' CMake package needs Qt OpenGL's, which Debian ships apart.
    qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
    qt6-tools-dev qt6-l10n-tools
    libcli11-dev nlohmann-json3-dev
    help2man
)

# Extra packages for the test suite and the benchmarks.
MARVANE_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    appstream desktop-file-utils
    qt6-translations-l10n
)

# scripts/package: CPack's dependency scan (dpkg-shlibdeps, file) and lintian.
MARVANE_PACKAGE_PACKAGES=(dpkg-dev file lintian)

# scripts/check: the formatter and the linter.
MARVANE_CHECK_PACKAGES=(clang-format clang-tidy)

# scripts/web: the engine compiled to WebAssembly, and its JSON headers.
MARVANE_WEB_PACKAGES=(emscripten cmake ninja-build nlohmann-json3-dev)

# The web edition's browser tests: Debian's Chromium, and a font for its pages.
MARVANE_BROWSER_PACKAGES=(chromium fonts-dejavu-core)

# The fuzz targets need clang and its sanitizer and libFuzzer runtimes (scripts/fuzz).
MARVANE_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

marvane_install_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root or sudo." >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
