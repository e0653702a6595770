#!/usr/bin/env bash
# Disassembles the engine's objects and fails on any fused multiply-add instruction: the
# engine's results must round every product and sum on its own, on every target.
#   no-fused-multiply-add.sh OBJECT...
set -euo pipefail
objdump=${OBJDUMP:-objdump}
# x86: vfmadd/vfmsub/vfnmadd/vfnmsub in every form (132, 213, 231, ps, pd, ss, sd) and the
# FMA4 forms; arm64: fmadd, fmsub, fnmadd, fnmsub (scalar) and fmla, fmls (vector).
fused='\b(v?fn?m(add|sub)[0-9a-z]*|vfmaddsub[0-9a-z]*|vfmsubadd[0-9a-z]*|fml[as](\.[0-9a-z]+)?)\b'
found=0
instructions=0
for object in "$@"; do
    listing=$("$objdump" -d --no-show-raw-insn "$object")
    instructions=$((instructions + $(grep -c -E '^ +[0-9a-f]+:' <<<"$listing" || true)))
    hits=$(grep -E "^ +[0-9a-f]+:[[:space:]]+$fused" <<<"$listing" || true)
    if [[ -n "$hits" ]]; then
        echo "fused multiply-adds in $object:"
        head -n 10 <<<"$hits"
        found=1
    fi
done
((instructions > 0)) || { echo "no instructions disassembled"; exit 1; }
((found == 0)) || exit 1
echo "$# objects, $instructions instructions, no fused multiply-add"
