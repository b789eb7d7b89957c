#!/usr/bin/env python3
"""Compares a Windows build of the quorvex tool, run under Wine, with the
native build.

    compare_builds.py [--addin PATH] functions NATIVE_TOOL WINE_RUN PREFIX BITS EXE
    compare_builds.py [--addin PATH] eval NATIVE_TOOL WINE_RUN PREFIX BITS EXE FORMULAS...

--addin: the Windows tool loads the add-in at PATH (a Windows path)
instead of the one beside it.

functions: the output of `quorvex functions` must be identical (the
Windows console writes CRLF line ends; they are read as LF).

eval: every formula of the files (blank lines and lines starting with '#'
are skipped; a '#' after a formula starts a comment, a tab ends the
formula) is evaluated by both
tools. Error texts and non-finite results must be identical; numbers must
agree within the tolerance derived below for that formula. The report
counts the bit-identical results.

Exit status 77 (skipped) when WINE_RUN says the machine cannot run this
bitness.

Why results may differ at all: the model, the solvers and the unit
conversions run the same IEEE double operations in the same order on both
systems; only exp, log and pow come from different C runtimes (glibc
natively, the Windows C runtime under Wine), and these may differ by one
unit in the last place (ulp) per call.

The tolerance of one result y, in the result's own unit:

  closed forms (Psat, PofTV, HofTV, SofTV, ZofTV):
      EPS * |y| + EPS * scale. EPS = 2^-44: at most 1 ulp per library call,
      at most 16 such calls on one path, amplified by at most 16 by the exp
      of the vapour-pressure equation (its argument reaches ln(Pc/Pt) =
      15.9): 16 * 16 ulp = 2^8 * 2^-52. The scale term covers results that
      pass through zero, where terms of that size cancel: temperatures
      (the Rankine offset, 459.67 F), gauge pressure (14.696 psi), enthalpy
      near the reference state (1000 Btu/lbm, the size of its terms) and
      entropy (1 Btu/(lbm R)), each in the user's unit.
  Tsat: the closed-form part, plus 2 * (Tc - Tt) / 2^32: the two runs
      follow the same fixed-step bisection until one comparison comes out
      differently, and from then on each is within its last step of its own
      root; plus the root shift EPS * P / (dPsat/dT).
  volumes (Vf, Vg, VofTP): at and beyond the ends of the saturation line
      Vf and Vg are constants (closed-form tolerance). Otherwise the 32-step geometric bisection pins v to a
      factor (vHi/vLo)^(1/2^32); the bracket lies within
      [0.99 * 0.999 * vmin, vmax / 0.99], so two runs differ by at most
      2 * ln(vmax / (0.99 * 0.999 * vmin)) / 2^32 relative (about 1.1e-8),
      plus the root shift EPS * P / |dP/dv|.
  properties of a solved volume (Hf, Hg, Sf, Sg, HofTP, SofTP, ZofTP): the
      closed-form part plus the change of the state function over the
      volume tolerance: max |f(T, v +- dv) - f(T, v)|, evaluated natively.
  TofPH, TofPS: the closed-form part, plus 2 * (Tmax - Tmin) / 2^32 for the
      temperature bisection, plus the root shift dh / (dh/dT): dh the
      tolerance of the enthalpy (entropy) at the result, dh/dT the smaller
      one-sided slope around it, evaluated natively.
  HofPS: by the road the native build takes. Outside the two-phase band
      tol(HofTP) + |dh/dT| * tol(TofPS), with the smaller one-sided slope
      (the other side may straddle the jump at the saturation temperature);
      inside it the lever rule,
      tol(hf) + tol(hg) + |hg - hf| * (tol(sf) + tol(sg)) / |sg - sf|.

Lines marked "# saturation line" hold a pressure equal to the native
build's calcPsat(T). There a one-ulp difference of pow or exp can move the
comparison P > calcPsat(T) to the other side and the solver into the other
phase; such a line must match, within its tolerance, the native value at P
or at one of the pressures one ulp either side of it (the two phases).
"""
import math
import re
import subprocess
import sys

EPS = 2.0 ** -44
STEPS = 2.0 ** 32

# The model's constants and bounds that the tolerances use (internal units).
TT = -162.67            # triple-point temperature, F
TC = 335.588            # critical temperature, F
TMIN = -162.67          # lowest temperature of the model's range, F
TMAX = 1528.475         # highest temperature of the model's range, F
VMIN = 0.008089033214744641    # smallest volume, ft3/lbm
VMAX = 201103540.31134397      # largest volume, ft3/lbm

V_RELATIVE = 2.0 * math.log(VMAX / (0.99 * 0.999 * VMIN)) / STEPS

CLOSED_FORMS = {"Psat", "PofTV", "HofTV", "SofTV", "ZofTV"}
VOLUMES = {"Vf", "Vg", "VofTP"}


# ---- units ---------------------------------------------------------------

def temperature_per_f(u):
    """User temperature units per degree F."""
    return 1 / 1.8 if u in (1, 3, 4, 5, 6) else 1.0


def pressure_per_psi(u):
    return {1: 1 / 14.50377377, 5: 1 / 14.50377377, 3: 1 / 145.0377377,
            4: 1 / 0.1450377377, 6: 1 / 14.22334331}.get(u, 1.0)


def enthalpy_per_btu(u):
    if u in (1, 3, 4):
        return 2.326
    if u in (5, 6):
        return 1 / 1.8
    return 1.0


def entropy_per_btu(u):
    return 4.1868 if u in (1, 3, 4) else 1.0


def fahrenheit_of(x, u):
    """A user temperature in degrees F."""
    if u in (1, 4, 5, 6):
        return x * 1.8 + 32
    if u == 3:
        return x * 1.8 - 459.67
    return x


def volume_per_ft3(u):
    return 1 / 16.01846353 if u in (1, 3, 4, 5, 6) else 1.0


RESULT_QUANTITY = {
    "Psat": "P", "Tsat": "T", "Vf": "V", "Vg": "V", "Hf": "H", "Hg": "H",
    "Sf": "S", "Sg": "S", "PofTV": "P", "HofTV": "H", "SofTV": "S", "ZofTV": "Z",
    "VofTP": "V", "HofTP": "H", "SofTP": "S", "ZofTP": "Z",
    "TofPH": "T", "TofPS": "T", "HofPS": "H",
}


def scale_of(quantity, u):
    """The magnitude of the terms that cancel in a quantity that can pass
    through zero, in the user's unit; 0 for those that cannot."""
    return {
        "T": 459.67 * temperature_per_f(u),
        "P": 14.696 if u == 2 else 0.0,
        "V": 0.0,
        "H": 1000.0 * enthalpy_per_btu(u),
        "S": 1.0 * entropy_per_btu(u),
        "Z": 0.0,
    }[quantity]


def closed_form_tolerance(function, y, u):
    return EPS * abs(y) + EPS * scale_of(RESULT_QUANTITY[function], u)


# ---- formulas ------------------------------------------------------------

FORMULA = re.compile(r"^\s*=?\s*([A-Za-z]+)\s*\((.*)\)\s*$")


def read_formulas(paths):
    """[(formula, on_saturation_line)] from the formula files."""
    formulas = []
    for path in paths:
        with open(path) as f:
            for line in f:
                # A tab ends the formula (the golden files' later columns).
                text = line.rstrip("\n").split("\t", 1)[0]
                if not text.strip() or text.lstrip().startswith("#"):
                    continue
                marked = False
                if "#" in text:
                    text, comment = text.split("#", 1)
                    marked = comment.strip() == "saturation line"
                formulas.append((text.strip(), marked))
    return formulas


def parse(formula):
    """(function, [arguments as floats], units) or None."""
    m = FORMULA.match(formula)
    if not m:
        return None
    try:
        args = [float(a) for a in m.group(2).split(",")]
    except ValueError:
        return None
    return m.group(1), args[:-1], int(args[-1])


def call(function, args, u):
    return "%s(%s,%d)" % (function, ",".join(repr(float(a)) for a in args), u)


# ---- running the tools ---------------------------------------------------

def run_tool(command, lines):
    done = subprocess.run(command, input="".join(l + "\n" for l in lines),
                          capture_output=True, text=True)
    return done.returncode, [l.rstrip("\r") for l in done.stdout.splitlines()], done.stderr


class Missing(Exception):
    """A native value that has not been evaluated yet."""


class Native:
    """Evaluates formulas with the native tool, in batches. In deferred
    mode a value not yet evaluated raises Missing and is queued, so that
    the tolerances of many results take one run of the tool per round."""

    def __init__(self, tool):
        self.tool = tool
        self.cache = {}
        self.deferred = False
        self.queued = set()

    def evaluate(self, formulas):
        todo = sorted(set(f for f in formulas if f not in self.cache))
        if todo:
            _, out, err = run_tool([self.tool, "eval"], todo)
            if len(out) != len(todo):
                raise RuntimeError("native tool gave %d lines for %d formulas: %s"
                                   % (len(out), len(todo), err))
            self.cache.update(zip(todo, out))
        return [self.cache[f] for f in formulas]

    def number(self, formula):
        if self.deferred and formula not in self.cache:
            self.queued.add(formula)
            raise Missing(formula)
        text = self.evaluate([formula])[0]
        try:
            return float(text)
        except ValueError:
            return math.nan


def as_number(text):
    try:
        return float(text)
    except ValueError:
        return None


# ---- tolerances ----------------------------------------------------------

class Tolerances:
    """Derived tolerances of single results; uses the native tool for the
    intermediate values and slopes."""

    def __init__(self, native):
        self.native = native

    def n(self, function, args, u):
        return self.native.number(call(function, args, u))

    def volume_root_shift(self, T, v, P, u):
        """EPS * P / |dP/dv| at (T, v), in the user's volume unit."""
        h = 1e-6
        p_hi = self.n("PofTV", [T, v * (1 + h)], u)
        p_lo = self.n("PofTV", [T, v * (1 - h)], u)
        slope = abs(p_hi - p_lo) / (2 * h * abs(v))
        if not slope > 0:
            return math.inf
        return EPS * abs(P) / slope

    def volume(self, function, args, u, y):
        T = args[0]
        if function != "VofTP" and not TT < fahrenheit_of(T, u) < TC:
            # Saturated volumes at and beyond the ends of the line are
            # constants: no search runs.
            return closed_form_tolerance("Psat", y, u)
        P = args[1] if function == "VofTP" else self.n("Psat", [T], u)
        return (EPS + V_RELATIVE) * abs(y) + self.volume_root_shift(T, y, P, u)

    def of_solved_volume(self, state_function, T, v, dv, y, function, u):
        f0 = self.n(state_function, [T, v], u)
        f_hi = self.n(state_function, [T, v + dv], u)
        f_lo = self.n(state_function, [T, v - dv], u)
        spread = max(abs(f_hi - f0), abs(f_lo - f0))
        return closed_form_tolerance(function, y, u) + spread

    def saturated_property(self, function, T, u, y):
        volume = "Vf" if function in ("Hf", "Sf") else "Vg"
        v = self.n(volume, [T], u)
        dv = self.volume(volume, [T], u, v)
        state = "HofTV" if function[0] == "H" else "SofTV"
        return self.of_solved_volume(state, T, v, dv, y, function, u)

    def tp_property(self, function, T, P, u, y):
        v = self.n("VofTP", [T, P], u)
        dv = self.volume("VofTP", [T, P], u, v)
        state = {"HofTP": "HofTV", "SofTP": "SofTV", "ZofTP": "ZofTV"}[function]
        return self.of_solved_volume(state, T, v, dv, y, function, u)

    def tsat(self, P, u, y):
        step = 2 * (TC - TT) / STEPS * temperature_per_f(u)
        d = 1e-3
        slope = abs(self.n("Psat", [y + d], u) - self.n("Psat", [y - d], u)) / (2 * d)
        shift = EPS * abs(self.n("Psat", [y], u)) / slope if slope > 0 else 0.0
        return closed_form_tolerance("Tsat", y, u) + step + shift

    def temperature_search(self, function, P, target, u, y):
        forward = "HofTP" if function == "TofPH" else "SofTP"
        step = 2 * (TMAX - TMIN) / STEPS * temperature_per_f(u)
        d = 1e-3 * temperature_per_f(u)
        f0 = self.n(forward, [y, P], u)
        slopes = [abs(self.n(forward, [y + d, P], u) - f0) / d,
                  abs(f0 - self.n(forward, [y - d, P], u)) / d]
        slope = min(s for s in slopes if not math.isnan(s)) if any(
            not math.isnan(s) for s in slopes) else 0.0
        df = self.tp_property(forward, y, P, u, f0)
        shift = df / slope if slope > 0 else 0.0
        band = 0.0
        ts = self.n("Tsat", [P], u)
        if not math.isnan(ts):
            band = self.tsat(P, u, ts)
        return max(closed_form_tolerance(function, y, u) + step + shift, band)

    def hofps(self, P, S, u, y):
        ts = self.n("Tsat", [P], u)
        sf, sg = self.n("Sf", [ts], u), self.n("Sg", [ts], u)
        if sf <= S <= sg and sf != sg:
            hf, hg = self.n("Hf", [ts], u), self.n("Hg", [ts], u)
            road = (self.saturated_property("Hf", ts, u, hf)
                    + self.saturated_property("Hg", ts, u, hg)
                    + abs(hg - hf) * (self.saturated_property("Sf", ts, u, sf)
                                      + self.saturated_property("Sg", ts, u, sg))
                    / abs(sg - sf))
        else:
            T = self.n("TofPS", [P, S], u)
            dT = self.temperature_search("TofPS", P, S, u, T)
            d = 1e-3 * temperature_per_f(u)
            h0 = self.n("HofTP", [T, P], u)
            slope = min(abs(self.n("HofTP", [T + d, P], u) - h0),
                        abs(h0 - self.n("HofTP", [T - d, P], u))) / d
            road = self.tp_property("HofTP", T, P, u, h0) + slope * dT
        return closed_form_tolerance("HofPS", y, u) + road

    def of(self, formula, y):
        parsed = parse(formula)
        if parsed is None:
            return 0.0
        function, args, u = parsed
        if function in CLOSED_FORMS:
            return closed_form_tolerance(function, y, u)
        if function in VOLUMES:
            return self.volume(function, args, u, y)
        if function in ("Hf", "Hg", "Sf", "Sg"):
            return self.saturated_property(function, args[0], u, y)
        if function in ("HofTP", "SofTP", "ZofTP"):
            return self.tp_property(function, args[0], args[1], u, y)
        if function == "Tsat":
            return self.tsat(args[0], u, y)
        if function in ("TofPH", "TofPS"):
            return self.temperature_search(function, args[0], args[1], u, y)
        if function == "HofPS":
            return self.hofps(args[0], args[1], u, y)
        raise ValueError("no tolerance rule for " + function)


def neighbours_across_the_line(formula):
    """The formula with its pressure one ulp lower and one ulp higher."""
    function, args, u = parse(formula)
    P = args[1]
    return [call(function, [args[0], math.nextafter(P, -math.inf)], u),
            call(function, [args[0], math.nextafter(P, math.inf)], u)]


# ---- the two comparisons ---------------------------------------------------

def compare_functions(native_tool, windows, addin):
    rc_n, native_out, err_n = run_tool([native_tool, "functions"], [])
    rc_w, windows_out, err_w = run_tool(windows + ["functions"] + addin, [])
    if rc_w == 77:
        print("SKIPPED: " + err_w.strip())
        return 77
    if rc_n != 0 or rc_w != 0:
        print("FAIL: functions exited %d natively and %d under Wine\n%s%s"
              % (rc_n, rc_w, err_n, err_w))
        return 1
    if native_out != windows_out:
        for i, (a, b) in enumerate(zip(native_out, windows_out)):
            if a != b:
                print("FAIL: line %d differs:\n  native:  %r\n  windows: %r" % (i + 1, a, b))
                break
        if len(native_out) != len(windows_out):
            print("FAIL: %d native lines, %d Windows lines" % (len(native_out), len(windows_out)))
        return 1
    print("functions: %d lines, identical" % len(native_out))
    return 0


def prefetch_tolerances(native, tolerances, differing):
    """Evaluates, a round at a time, every native value the tolerances of
    the differing results need."""
    native.deferred = True
    try:
        pending = list(differing)
        while pending:
            native.queued.clear()
            still = []
            for formula, marked, a, b in pending:
                x = as_number(a)
                if x is None or not math.isfinite(x):
                    continue
                try:
                    tolerances.of(formula, x)
                    if marked:
                        for other in neighbours_across_the_line(formula):
                            o = native.number(other)
                            tolerances.of(formula, o)
                except Missing:
                    still.append((formula, marked, a, b))
            if native.queued:
                native.deferred = False
                native.evaluate(sorted(native.queued))
                native.deferred = True
            pending = still
    finally:
        native.deferred = False


def compare_eval(native_tool, windows, addin, paths):
    formulas = read_formulas(paths)
    texts = [f for f, _ in formulas]
    native = Native(native_tool)
    native_out = native.evaluate(texts)
    rc_w, windows_out, err_w = run_tool(windows + ["eval"] + addin, texts)
    if rc_w == 77:
        print("SKIPPED: " + err_w.strip())
        return 77
    if len(windows_out) != len(texts):
        print("FAIL: the Windows tool gave %d lines for %d formulas (exit %d)\n%s"
              % (len(windows_out), len(texts), rc_w, err_w))
        return 1

    tolerances = Tolerances(native)
    differing = [(f, m, a, b) for (f, m), a, b in zip(formulas, native_out, windows_out)
                 if a != b]
    prefetch_tolerances(native, tolerances, differing)
    identical = len(formulas) - len(differing)
    within = on_line = 0
    failures = []
    for formula, marked, a, b in differing:
        x, y = as_number(a), as_number(b)
        if x is None or y is None or not math.isfinite(x) or not math.isfinite(y):
            failures.append("%s: native %s, Windows %s" % (formula, a, b))
            continue
        tol = tolerances.of(formula, x)
        if abs(x - y) <= tol:
            within += 1
            continue
        if marked:
            others = [native.number(f) for f in neighbours_across_the_line(formula)]
            if any(abs(o - y) <= tolerances.of(formula, o) for o in others):
                on_line += 1
                continue
        failures.append("%s: native %s, Windows %s, difference %.3g > tolerance %.3g"
                        % (formula, a, b, abs(x - y), tol))

    print("%d formulas: %d bit-identical, %d within tolerance, "
          "%d on the saturation line in the other phase, %d failed"
          % (len(texts), identical, within, on_line, len(failures)))
    for f in failures:
        print("FAIL: " + f)
    return 1 if failures else 0


def main():
    argv = sys.argv[1:]
    addin = []
    if argv[:1] == ["--addin"] and len(argv) >= 2:
        addin = ["--addin", argv[1]]
        argv = argv[2:]
    if len(argv) < 6 or argv[0] not in ("functions", "eval"):
        print(__doc__, file=sys.stderr)
        return 2
    mode, native_tool, wine_run, prefix, bits, exe = argv[:6]
    windows = [wine_run, prefix, bits, exe]
    if mode == "functions":
        return compare_functions(native_tool, windows, addin)
    if len(argv) < 7:
        print("eval needs at least one formula file", file=sys.stderr)
        return 2
    return compare_eval(native_tool, windows, addin, argv[6:])


if __name__ == "__main__":
    sys.exit(main())
