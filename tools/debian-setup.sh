# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by ./run and ./test: installs the Debian 12 packages the build, the program and the tests
# need, when any is missing. Runs apt-get update at most once; quick when everything is there.

GROVAN_BUILD_PACKAGES=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-pdf-dev libgl-dev
    libsqlite3-dev libsqlitecpp-dev nlohmann-json3-dev libcli11-dev
    fonts-dejavu-core fonts-liberation2
    librsvg2-bin
)
# ccache: the build compiles through it when it is there (a run of ./test after a small change
# recompiles little). clang: the fuzz targets (tests/fuzz) are built with it.
GROVAN_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev clang-format ccache clang
    xvfb xauth poppler-utils
    dpkg-dev file groff-base desktop-file-utils appstream
)

grovan_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These Debian packages are missing and installing them needs root: ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}
