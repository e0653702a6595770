#!/usr/bin/env bash
# Every translation complete: lupdate, run over the sources into copies of translations/*.ts
# (the source tree is never written), must find no text a language lacks (unfinished) and none
# the sources no longer hold (vanished), and must not warn.
#   check-translations.sh LUPDATE TS_DIR OPTION... -- SOURCE...
set -euo pipefail
lupdate=$1
ts_dir=$2
shift 2
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

python3 - "$copies"/*.ts <<'PYTHON'
import os
import sys
import xml.etree.ElementTree as ET

failed = False
for path in sys.argv[1:]:
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
