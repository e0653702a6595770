#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata with the freedesktop tools, and
# checks that the desktop files agree with each other and with the build: one id for the
# entry, the icon and the metadata, the program the entry starts, and a release entry for
# the version being built.
#   check-metadata.sh PACKAGING_DIR APP_ID PROJECT_VERSION SCREENSHOT
set -euo pipefail
source "$(dirname "$0")/lib.sh"

packaging=$1 id=$2 version=$3 screenshot=$4
desktop=$packaging/$id.desktop
metainfo=$packaging/$id.metainfo.xml
icon=$packaging/$id.svg

require desktop-file-validate desktop-file-utils
require appstreamcli appstream
require identify imagemagick

for file in "$desktop" "$metainfo" "$icon"; do
    [[ -f "$file" ]] || { fail "missing $file"; }
done
((failures == 0)) || finish

echo "== desktop-file-validate $desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"

echo "== appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"

# The entry and the metadata name each other.
[[ "$(desktop_key "$desktop" Type)" == Application ]] || fail "desktop entry Type is not Application"
[[ "$(desktop_key "$desktop" Icon)" == "$id" ]] ||
    fail "desktop entry Icon= is '$(desktop_key "$desktop" Icon)', not $id"
exec_line=$(desktop_key "$desktop" Exec)
[[ "${exec_line%% *}" == pathsum ]] || fail "desktop entry Exec= '$exec_line' does not start pathsum"

metainfo_id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")
[[ "$metainfo_id" == "$id" ]] || fail "metadata <id> is '$metainfo_id', not $id"
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[[ "$launchable" == "$id.desktop" ]] ||
    fail "metadata launchable is '$launchable', not $id.desktop"
grep -q '<binary>pathsum</binary>' "$metainfo" || fail "metadata does not provide the binary pathsum"
grep -q '<screenshot type="default">' "$metainfo" || fail "metadata has no default screenshot"

# The default screenshot is the one in docs/, published under its own name; its size is
# given so that software centres can lay it out before it loads.
image=$(sed -n '/<screenshot type="default">/,/<\/screenshot>/p' "$metainfo" | grep -m1 '<image' | sed 's/^ *//')
image_url=$(sed 's|.*<image[^>]*>\(.*\)</image>.*|\1|' <<<"$image")
[[ "${image_url##*/}" == "${screenshot##*/}" ]] ||
    fail "the metadata's screenshot is ${image_url##*/}, not ${screenshot##*/}"
if [[ ! -f "$screenshot" ]]; then
    fail "missing $screenshot"
elif shot_size=$(identify -format '%w %h' "$screenshot" 2>&1); then
    read -r shot_width shot_height <<<"$shot_size"
    [[ "$image" == *" width=\"$shot_width\""* && "$image" == *" height=\"$shot_height\""* ]] ||
        fail "the metadata's screenshot size ($image) is not that of $screenshot (${shot_width}x$shot_height)"
else
    fail "$screenshot cannot be read: $shot_size"
fi

# Releases are listed newest first; the newest must be the version being built, so that a
# version bump without a release note is caught here.
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//; s/"$//')
[[ "$newest" == "$version" ]] ||
    fail "newest release in the metadata is '$newest', the project version is $version"

# The icon is a square SVG that an image library can read.
if size=$(identify -format '%m %w %h' "$icon" 2>&1); then
    read -r format width height <<<"$size"
    [[ "$format" == SVG ]] || fail "icon reads as $format, not SVG"
    [[ "$width" == "$height" ]] || fail "icon is ${width}x${height}, not square"
else
    fail "icon cannot be read: $size"
fi

finish
