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

# Checks the metadata as installed: among others, that its desktop entry is where
# software centres look for it.
echo "== appstreamcli validate-tree --no-net $prefix"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

cmp -s "$prefix/share/doc/pathsum/copyright" "$(dirname "$0")/../../LICENSE" ||
    fail "share/doc/pathsum/copyright is not the LICENSE file"

finish
