#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: cpack -G DEB builds it from the (already built) build
# tree; its files stay in the standard layout; its dependencies come from dpkg-shlibdeps; and,
# unpacked into a temporary root (dpkg -x, never installed on this machine), grovan-cli runs
# from there for a fresh user, finds its report templates beside it, and makes its databases in
# the user's data folder, never below the install prefix. lintian is asked too where installed.
# Usage: deb_install_test.sh BUILD_DIR SCRATCH_DIR PRIVATE_LIBRARY_SUBDIR
# PRIVATE_LIBRARY_SUBDIR is the folder of the program's own libraries below the prefix
# (CMAKE_INSTALL_LIBDIR/grovan2022), the one folder outside bin and share the package may fill.
# Exits 77 (skipped) without cpack, dpkg-deb, dpkg-shlibdeps or file (which cpack needs).
set -u
build=$1
scratch=$2
private=usr/$3
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done
rm -rf "$scratch"
mkdir -p "$scratch/package" "$scratch/home"

ran=0
failed=0
problem() {
    echo "MISMATCH $*"
    failed=$((failed + 1))
}
step() {
    ran=$((ran + 1))
}

if ! cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "cpack failed (is everything built?)"
    exit 1
fi
packages=("$scratch"/package/*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    cat "$scratch/cpack.log"
    echo "cpack made no single .deb"
    exit 1
fi
deb=${packages[0]}
echo "package: $deb"

# Only the standard layout: programs in /usr/bin, the program's own libraries in their folder
# (and the folders above it), everything else in its place below /usr/share.
step
dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
private_pattern="${private//./\\.}(/.*)?"
folder=$(dirname "$private")
while [ "$folder" != usr ] && [ "$folder" != . ]; do
    private_pattern="$private_pattern|${folder//./\\.}/?"
    folder=$(dirname "$folder")
done
outside=$(grep -v -E \
    '^\./(usr/?|usr/bin/?|usr/bin/grovan|usr/bin/grovan-cli|usr/share/?|usr/share/(applications|bash-completion|doc|grovan2022|icons|man|metainfo)(/.*)?|'"$private_pattern"')$' \
    "$scratch/contents")
if [ -n "$outside" ]; then
    problem "files outside the standard layout:"
    echo "$outside"
fi

step
control() { dpkg-deb -f "$deb" "$1"; }
[ "$(control Package)" = grovan2022 ] || problem "Package is $(control Package)"
version=$("$build/bin/grovan-cli" --version | awk '{print $2}' | tr -d ,)
[ "$(control Version)" = "$version" ] || problem "Version is $(control Version), not $version"
depends=$(control Depends)
with_ui=no
if grep -qx '\./usr/bin/grovan' "$scratch/contents"; then
    with_ui=yes
fi
wanted="libc6 libsqlite3-0"
if [ $with_ui = yes ]; then
    wanted="$wanted libqt6widgets6 libqt6gui6 libqt6pdfwidgets6 fonts-dejavu-core"
fi
for dependency in $wanted; do
    step
    [[ ", $depends" == *", $dependency"[\ ,]* || ", $depends," == *", $dependency,"* ]] ||
        problem "Depends lacks $dependency: $depends"
done
# No maintainer scripts: the program's own libraries lie outside the folders ldconfig reads, so
# nothing has to run at install or removal.
step
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E '(pre|post)(inst|rm)$')
[ -z "$scripts" ] || problem "the package has maintainer scripts: $scripts"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
files=(usr/bin/grovan-cli usr/share/man/man1/grovan-cli.1.gz
    usr/share/bash-completion/completions/grovan-cli usr/share/doc/grovan2022/copyright
    usr/share/doc/grovan2022/changelog.gz
    usr/share/grovan2022/Annual.rpt)
if [ $with_ui = yes ]; then
    files+=(usr/bin/grovan usr/share/man/man1/grovan.1.gz
        usr/share/applications/io.github.grovan.Grovan2022.desktop
        usr/share/metainfo/io.github.grovan.Grovan2022.metainfo.xml
        usr/share/icons/hicolor/scalable/apps/io.github.grovan.Grovan2022.svg
        usr/share/icons/hicolor/48x48/apps/io.github.grovan.Grovan2022.png
        usr/share/grovan2022/Grovan.jpg usr/share/grovan2022/Grovan2022Help.pdf
        "$private/libgrovan-help.so" "$private/libgrovan-pdf.so")
fi
for file in "${files[@]}"; do
    step
    [ -s "$root/$file" ] || problem "the package lacks /$file"
done
if [ $with_ui = yes ]; then
    # The program links no PDF library itself; the help window's library, which it loads when
    # the help is opened, finds every library it needs.
    step
    needed=$(readelf -d "$root/usr/bin/grovan" | grep NEEDED)
    if echo "$needed" | grep -q -E 'libQt6(Pdf|Network)'; then
        problem "/usr/bin/grovan links a PDF library: $needed"
    fi
    step
    unresolved=$(ldd "$root/$private/libgrovan-help.so" 2>&1 | grep -E 'not found|not a dynamic')
    [ -z "$unresolved" ] || problem "the help window's library lacks: $unresolved"
    # grovan-cli links no Qt: the library that paints its PDF printouts brings it in when the
    # first printout is asked for (the --pdf run below).
    step
    needed=$(readelf -d "$root/usr/bin/grovan-cli" | grep NEEDED)
    if echo "$needed" | grep -q libQt6; then
        problem "/usr/bin/grovan-cli links Qt: $needed"
    fi
    step
    unresolved=$(ldd "$root/$private/libgrovan-pdf.so" 2>&1 | grep -E 'not found|not a dynamic')
    [ -z "$unresolved" ] || problem "the PDF printouts' library lacks: $unresolved"
fi

# A fresh user: nothing of this machine's environment.
touch "$scratch/before-runs"
sleep 1
as_user() {
    env -i PATH=/usr/bin:/bin HOME="$scratch/home" "$@"
}
step
out=$(as_user "$root/usr/bin/grovan-cli" --version)
[[ $out == "grovan-cli $version, licensed under the GNU GPL version 3 or later" ]] ||
    problem "--version says: $out"

step
# 500 000 at age 40: 110 739 + 32 500 x 36 % - 15 714 = 106 725.
out=$(as_user "$root/usr/bin/grovan-cli" calc annual age=40 salary=500000 --only results 2>&1)
[[ $out == *'"taxLiability":106725'* ]] || problem "calc from the package says: $out"
step
[ -f "$scratch/home/.local/share/grovan2022/Settings.mdb" ] ||
    problem "no settings database in \$HOME/.local/share/grovan2022"

step
mkdir -p "$scratch/xdg"
out=$(as_user XDG_DATA_HOME="$scratch/xdg" "$root/usr/bin/grovan-cli" calc annual age=40 \
    salary=500000 --only results 2>&1)
[ -f "$scratch/xdg/grovan2022/Settings.mdb" ] ||
    problem "no settings database in \$XDG_DATA_HOME/grovan2022: $out"

if [ $with_ui = yes ]; then
    # The printout's template is found beside the unpacked program.
    step
    out=$(as_user "$root/usr/bin/grovan-cli" calc annual age=40 salary=500000 --only results \
        --pdf "$scratch/annual.pdf" 2>&1)
    [ "$(head -c 4 "$scratch/annual.pdf" 2>/dev/null)" = "%PDF" ] ||
        problem "no PDF printout from the package: $out"
fi

step
written=$(find "$root" -newer "$scratch/before-runs")
[ -z "$written" ] || problem "the programs wrote below the install prefix: $written"

step
if ! bash -c '. "$1" && complete -p grovan-cli' _ \
    "$root/usr/share/bash-completion/completions/grovan-cli" >/dev/null 2>&1; then
    problem "the installed completion does not load"
fi

if command -v lintian >/dev/null; then
    step
    if ! lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
        problem "lintian finds errors or warnings:"
        cat "$scratch/lintian.log"
    fi
    cat "$scratch/lintian.log"
else
    echo "lintian is not installed: not asked"
fi

echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
