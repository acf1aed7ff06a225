#!/usr/bin/env bash
# check_x87.sh OBJDUMP DIR...
# Fails if any object file under the DIRs (the program's own sources, not
# the compiler's runtime) computes with the x87 unit.  Every build must round
# float and double alike, and only SSE2 arithmetic does that: x87 code keeps
# 80-bit intermediates, so a 32-bit build could show a different last digit.
# Loads and stores (fld, fstp) stay allowed: the 32-bit calling convention
# returns a float or double in st(0), and moving it there and back is exact.
# So does fildll, the load of a 64-bit integer, for which 32-bit SSE2 has no
# instruction: it is exact, and the fstpl after it rounds once, as
# cvtsi2sdq does on 64-bit builds.
set -euo pipefail
objdump=$1
shift
mapfile -t objects < <(find "$@" -name '*.obj' | sort)
if [ "${#objects[@]}" -eq 0 ]; then
    echo "FAIL: no object files under $*" >&2
    exit 1
fi
# Arithmetic, comparisons, integer conversions and the transcendental
# instructions of the x87 unit, in objdump's AT&T spelling (fadds, fidivrl,
# fistpll, fucomip, ...).
x87='^(f(i)?(add|sub|subr|mul|div|divr)(p)?|fi(st|stp|sttp|ld)|f(u)?com(i)?(p|pp)?|ficom(p)?|fchs|fabs|fsqrt|fprem1?|frndint|fscale|fxtract|fsin|fcos|fsincos|fptan|fpatan|f2xm1|fyl2x(p1)?|ftst|fxam)[slqt]?l?$'
bad=0
for obj in "${objects[@]}"; do
    hits=$("$objdump" -d --no-show-raw-insn "$obj" |
        awk -F'\t' -v re="$x87" 'NF >= 2 { split($2, w, " "); if (w[1] ~ re && w[1] != "fildll") print "  " $0 }' | head -5)
    if [ -n "$hits" ]; then
        echo "FAIL: x87 arithmetic in ${obj##*/}:"
        echo "$hits"
        bad=$((bad + 1))
    fi
done
echo "${#objects[@]} object files checked, $bad with x87 arithmetic"
[ "$bad" -eq 0 ]
