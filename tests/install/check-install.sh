#!/usr/bin/env bash
# Installs the build into a temporary prefix with cmake --install and checks what lands
# there: the program, the desktop entry, the icon, the metadata, the manual page, the
# changelog and the licence, and nothing else.
#   check-install.sh BUILD_DIR APP_ID
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=$1 id=$2

require cmake cmake
require appstreamcli appstream
require readelf binutils
require update-mime-database shared-mime-info

tmp=$(mktemp -d "${TMPDIR:-/tmp}/pathsum-install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

echo "== cmake --install $build --prefix $prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    fail "cmake --install failed"
    finish
fi

expected=$(LC_ALL=C sort <<EOF
bin/pathsum
share/applications/$id.desktop
share/doc/pathsum/changelog.gz
share/doc/pathsum/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/pathsum.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml
share/pathsum/examples/01-mirror.pathsum
share/pathsum/examples/02-grating-sideways.pathsum
share/pathsum/examples/03-two-slits.pathsum
share/pathsum/examples/04-five-slits.pathsum
share/pathsum/examples/05-far-source.pathsum
share/pathsum/examples/06-shorter-wavelength.pathsum
share/pathsum/examples/07-one-slit-near-and-far.pathsum
share/pathsum/examples/08-grating-orders.pathsum
share/pathsum/examples/09-white-two-slits.pathsum
share/pathsum/examples/10-white-grating.pathsum
EOF
)
actual=$(file_list "$prefix")
if [[ "$actual" != "$expected" ]]; then
    fail "installed files differ from the expected layout"
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/  /' >&2 || true
fi

program=$prefix/bin/pathsum
if [[ -f "$program" ]]; then
    [[ -x "$program" ]] || fail "bin/pathsum is not executable"
    # An installed program must not find libraries through the build tree.
    if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
        fail "bin/pathsum keeps a library path into the build tree"
    fi
fi

desktop=$prefix/share/applications/$id.desktop
if [[ -f "$desktop" ]]; then
    exec_line=$(desktop_key "$desktop" Exec)
    [[ -x "$prefix/bin/${exec_line%% *}" ]] ||
        fail "the desktop entry starts '${exec_line%% *}', which is not in bin/"
fi

# The file type is known by its glob once the desktop's database is built from the installed
# package file (in a copy, so the prefix keeps only what was installed), and it is the type
# the desktop entry opens.
mime_xml=$prefix/share/mime/packages/$id.xml
if [[ -f "$mime_xml" ]]; then
    mkdir -p "$tmp/mime/packages"
    cp "$mime_xml" "$tmp/mime/packages/"
    update-mime-database "$tmp/mime" || fail "update-mime-database rejects $id.xml"
    mime_type=$(sed -n 's|.*<mime-type type="\([^"]*\)".*|\1|p' "$mime_xml")
    grep -q "^[0-9]*:$mime_type:\*\.pathsum$" "$tmp/mime/globs2" ||
        fail "the desktop's database does not give *.pathsum the type $mime_type"
    [[ "$(desktop_key "$desktop" MimeType)" == "$mime_type;" ]] ||
        fail "the desktop entry opens '$(desktop_key "$desktop" MimeType)', not $mime_type"
    [[ "$(desktop_key "$desktop" Exec)" == *" %f" ]] ||
        fail "the desktop entry does not hand the program the file it opens (%f)"
fi

# Checks the metadata as installed: among others, that its desktop entry is where
# software centres look for it.
echo "== appstreamcli validate-tree --no-net $prefix"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

cmp -s "$prefix/share/doc/pathsum/copyright" "$(dirname "$0")/../../LICENSE" ||
    fail "share/doc/pathsum/copyright is not the LICENSE file"

finish
