#!/usr/bin/env bash
# Every test of the build has a name a person can read, its own, and a label:
#   - no two tests share a name;
#   - no name holds a control character;
#   - no name holds a printed parameter ("64-byte object <...>", "GetParam() = ..."): a
#     parameterised suite names its cases with a name generator (tests/support/CaseName.h);
#   - no suite's cases are known only by their numbers ("Table/StepTest.GivesTheNormalisedText/3");
#   - every test carries a label (unit, gui, cli, e2e, ...), which ctest -L selects by.
#   check-test-names.sh CTEST BUILD-DIR
set -euo pipefail
ctest=$1
build=$2

listing=$(mktemp)
trap 'rm -f "$listing"' EXIT
"$ctest" --test-dir "$build" --show-only=json-v1 >"$listing"

python3 - "$listing" <<'PY'
import collections
import json
import re
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    tests = json.load(f)["tests"]

faults = []
for name, count in collections.Counter(t["name"] for t in tests).items():
    if count > 1:
        faults.append(f"{count} tests named {name!r}")
for test in tests:
    name = test["name"]
    if re.search(r"[\x00-\x1f\x7f]", name):
        faults.append(f"a control character in {name!r}")
    if "-byte object" in name or "GetParam()" in name:
        faults.append(f"a printed parameter in {name!r}")
    labels = [p["value"] for p in test.get("properties", []) if p["name"] == "LABELS"]
    if not labels or not labels[0]:
        faults.append(f"no label on {name!r}")

# A suite without a name generator numbers its cases 0, 1, 2, ...
cases = collections.defaultdict(set)
for test in tests:
    suite, slash, case = test["name"].rpartition("/")
    if slash:
        cases[suite].add(case)
for suite, names in cases.items():
    if names == {str(i) for i in range(len(names))}:
        faults.append(f"the cases of {suite!r} are known only by their numbers")

for fault in faults:
    print(fault)
print(f"{len(tests)} tests, {len(faults)} faults in their names and labels")
sys.exit(1 if faults else 0)
PY
