#!/usr/bin/env python3
"""Stands in for wine_run.sh in the self-tests of compare_builds.py: runs a
native tool and alters its output the way a faulty Windows build could.

    perturbing_runner.py PREFIX MODE TOOL ARGUMENTS...

PREFIX is ignored. MODE:
  same            the output unchanged
  ulp             every finite number moved by one ulp
  relative:R:F    every result of function F scaled by 1 + R
  error:F         every result of function F replaced by #VALUE!
  other-phase     VofTP, HofTP, SofTP and ZofTP evaluated at a pressure one
                  ulp higher (the liquid side of a state on the saturation
                  line)
  line:N          line N (from 1) of the output changed
"""
import math
import re
import subprocess
import sys

FORMULA = re.compile(r"^\s*=?\s*([A-Za-z]+)\s*\((.*)\)\s*$")


def main():
    _, mode, tool = sys.argv[1:4]
    args = sys.argv[4:]
    lines = sys.stdin.read().splitlines() if args[:1] == ["eval"] else []
    if mode == "other-phase":
        moved = []
        for line in lines:
            m = FORMULA.match(line)
            if m and m.group(1) in ("VofTP", "HofTP", "SofTP", "ZofTP"):
                a = m.group(2).split(",")
                a[1] = repr(math.nextafter(float(a[1]), math.inf))
                line = "%s(%s)" % (m.group(1), ",".join(a))
            moved.append(line)
        lines = moved
    done = subprocess.run([tool] + args, input="".join(l + "\n" for l in lines),
                          capture_output=True, text=True)
    out = done.stdout.splitlines()
    names = [FORMULA.match(l).group(1) if FORMULA.match(l) else "" for l in lines]
    for i, text in enumerate(out):
        name = names[i] if i < len(names) else ""
        try:
            x = float(text)
        except ValueError:
            x = None
        if mode == "ulp" and x is not None and math.isfinite(x) and x != 0:
            out[i] = repr(math.nextafter(x, math.inf))
        elif mode.startswith("relative:"):
            _, r, f = mode.split(":")
            if name == f and x is not None:
                out[i] = repr(x * (1 + float(r)))
        elif mode.startswith("error:"):
            if name == mode.split(":")[1]:
                out[i] = "#VALUE!"
        elif mode.startswith("line:") and i + 1 == int(mode.split(":")[1]):
            out[i] = text + " (changed)"
    sys.stdout.write("".join(l + "\r\n" for l in out))
    sys.stderr.write(done.stderr)
    return done.returncode


if __name__ == "__main__":
    sys.exit(main())
