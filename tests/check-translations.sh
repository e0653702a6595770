#!/usr/bin/env bash
# Every translation complete: lupdate, run over the sources into copies of translations/*.ts
# (the source tree is never written), must find no text a language lacks (unfinished) and none
# the sources no longer hold (vanished), and must not warn. Each language has its guide
# (guide_LL.html beside guide.html), with the English guide's anchors, links and pictures in the
# same order, and says it is UTF-8.
#   check-translations.sh LUPDATE TS_DIR GUIDE_DIR OPTION... -- SOURCE...
set -euo pipefail
lupdate=$1
ts_dir=$2
guide_dir=$3
shift 3
options=()
while [[ $1 != -- ]]; do
    options+=("$1")
    shift
done
shift

copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp "$ts_dir"/*.ts "$copies"/
if ! "$lupdate" "${options[@]}" "$@" -ts "$copies"/*.ts >"$copies/log" 2>&1 ||
    grep -qi 'warning\|error' "$copies/log"; then
    cat "$copies/log" >&2
    echo "lupdate failed or warned" >&2
    exit 1
fi

python3 - "$guide_dir" "$copies"/*.ts <<'PYTHON'
import os
import re
import sys
import xml.etree.ElementTree as ET

def skeleton(path):
    with open(path, encoding="utf-8") as guide:
        html = guide.read()
    return re.findall(r'\b(?:name|href|src)="[^"]*"', html), html

failed = False
guide_dir = sys.argv[1]
english, _ = skeleton(os.path.join(guide_dir, "guide.html"))
for path in sys.argv[2:]:
    language = re.fullmatch(r"pathsum_(.+)\.ts", os.path.basename(path)).group(1)
    guide = os.path.join(guide_dir, f"guide_{language}.html")
    if not os.path.exists(guide):
        print(f"{language}: no guide {guide}")
        failed = True
        continue
    marks, html = skeleton(guide)
    if marks != english:
        differ = next((f"{a} / {b}" for a, b in zip(english, marks) if a != b), "their number")
        print(f"guide_{language}.html: anchors, links or pictures differ from guide.html's: {differ}")
        failed = True
    if '<meta charset="utf-8">' not in html:
        print(f'guide_{language}.html: no <meta charset="utf-8">')
        failed = True
for path in sys.argv[2:]:
    name = os.path.basename(path)
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            kind = message.find("translation").get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                what = "not translated" if kind == "unfinished" else "no longer in the sources"
                print(f"{name}: {context.findtext('name')}: {message.findtext('source')!r}: {what}")
                failed = True
if failed:
    print("Update the translations as docs/TRANSLATIONS.md says.")
sys.exit(1 if failed else 0)
PYTHON
