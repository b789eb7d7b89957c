// Writes the golden files: golden.tsv (formulas with finite arguments, each a
// valid worksheet formula) and golden_nonfinite.tsv (NaN and infinite
// arguments). Built by generate_golden.sh against the plain implementation,
// whose results are the reference that every later build must match bit for
// bit.
//
// usage: generate_golden <dir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "golden_formula.h"
#include "model/fluid_data.h"
#include "model/model_state.h"
#include "model/state_functions.h"
#include "solvers/saturation.h"
#include "worksheet/units.h"

namespace {

using golden::Formula;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

double up(double x) { return std::nextafter(x, kInf); }
double down(double x) { return std::nextafter(x, -kInf); }

// A fixed pseudo-random sequence, so that the files are reproducible.
unsigned long long g_seed = 0x9E3779B97F4A7C15ull;
double uniform(double lo, double hi) {
    g_seed = g_seed * 6364136223846793005ull + 1442695040888963407ull;
    double u = static_cast<double>(g_seed >> 11) / 9007199254740992.0;
    return lo + (hi - lo) * u;
}
double logUniform(double lo, double hi) { return std::exp(uniform(std::log(lo), std::log(hi))); }

std::vector<Formula> g_finite;
std::vector<Formula> g_nonfinite;

void add(const char* name, double a, double b, int32_t units) {
    Formula f;
    f.fn = golden::findFunction(name);
    if (!f.fn) {
        std::fprintf(stderr, "unknown function %s\n", name);
        std::exit(2);
    }
    f.a = a;
    f.b = f.fn->two ? b : 0;
    f.units = units;
    bool finite = std::isfinite(f.a) && std::isfinite(f.b);
    (finite ? g_finite : g_nonfinite).push_back(f);
}

double userT(double T, int32_t u) { return toUserT(T, u)->val.num; }
double userP(double P, int32_t u) { return toUserP(P, u)->val.num; }
double userV(double v, int32_t u) { return toUserV(v, u)->val.num; }
double userH(double H, int32_t u) { return toUserH(H, u)->val.num; }
double userS(double S, int32_t u) { return toUserS(S, u)->val.num; }

// Saturated enthalpies and entropies at a pressure, as the inverse solvers
// form them: from Tsat(P) and the two saturated volumes.
struct Band {
    double hf, hg, sf, sg;
};
Band bandAt(double P) {
    double Ts = Tsat(P, 0)->val.num;
    return {Hf(Ts, 0)->val.num, Hg(Ts, 0)->val.num, Sf(Ts, 0)->val.num, Sg(Ts, 0)->val.num};
}

const char* const kSaturationFns[] = {"Psat", "Vf", "Vg", "Hf", "Hg", "Sf", "Sg"};
const char* const kTVFns[] = {"PofTV", "HofTV", "SofTV", "ZofTV"};
const char* const kTPFns[] = {"VofTP", "HofTP", "SofTP", "ZofTP"};

void addCasesInInternalUnits() {
    const FluidData& f = g_fluidData;
    const ModelState& m = g_modelState;

    // Saturation functions of temperature: both clamps, one ulp either side
    // of them, the whole line between and beyond.
    std::vector<double> Ts = {-500,  -459.67, f.Tt - 50, down(f.Tt), f.Tt, up(f.Tt), f.Tt + 0.01,
                              -150,  -120,    -100,      -75,        -50,  -25,      0,
                              12.65, 25,      50,        77,         100,  120.487389, 150,
                              200,   250,     300,       320,        330,  334,      335,
                              335.5, 335.58,  down(f.Tc), f.Tc,      up(f.Tc), 340, 400,
                              1000,  1e6};
    for (int k = 0; k < 24; ++k) Ts.push_back(uniform(f.Tt, f.Tc));
    for (double T : Ts)
        for (const char* fn : kSaturationFns) add(fn, T, 0, 0);

    // Saturation temperature of pressure.
    std::vector<double> Ps = {-1,    0,     f.Pt / 2, down(f.Pt), f.Pt,  up(f.Pt), 1e-4,
                              1e-3,  0.01,  0.1,      0.655108,   1,     5.85025,  14.696,
                              54.8087, 100, 188.093,  250,        270,   271,      down(f.Pc),
                              f.Pc,  up(f.Pc), 500,   1e6};
    for (int k = 0; k < 24; ++k) Ps.push_back(logUniform(f.Pt, f.Pc));
    for (double P : Ps) add("Tsat", P, 0, 0);

    // Functions of temperature and volume, including states outside the
    // fluid's region (absolute zero and below, zero and negative volumes).
    const double Tv[] = {-500, -459.67, -300, f.Tt, -100, 0,    77,     200,
                         300,  f.Tc,    400,  700,  1000, m.Tmax, 3000};
    const double vv[] = {-1,   0,   1e-4, m.vmin, f.vft, 0.009, 0.012, 0.02, 0.026398,
                         0.05, 0.2, 1,    3,      50,    1e4,   1e6,   m.vmax, 1e12};
    for (double T : Tv)
        for (double v : vv)
            for (const char* fn : kTVFns) add(fn, T, v, 0);
    for (int k = 0; k < 40; ++k) {
        double T = uniform(m.Tmin, m.Tmax), v = logUniform(m.vmin, m.vmax);
        for (const char* fn : kTVFns) add(fn, T, v, 0);
    }

    // Functions of temperature and pressure: every branch of the volume
    // solver, pressures of zero and below, pressures beyond the bounds.
    const double Tp[] = {-300, f.Tt, -100, 0,    77,   100,    200,   300,
                         335,  f.Tc, 335.6, 400, 700,  1000,   m.Tmax, 2000};
    const double Pp[] = {-1,   0,      1e-9, m.Pmin, f.Pt, 1e-3,   0.1,  1,
                         14.696, 100,  f.Pc, 500,    m.Pmax, 1e4,  1e6};
    for (double T : Tp)
        for (double P : Pp)
            for (const char* fn : kTPFns) add(fn, T, P, 0);
    for (int k = 0; k < 30; ++k) {
        double T = uniform(m.Tmin, m.Tmax), P = logUniform(m.Pmin, m.Pmax);
        for (const char* fn : kTPFns) add(fn, T, P, 0);
    }
    // Exactly on the saturation line (vapour branch) and one ulp above it
    // (liquid branch).
    const double onLine[] = {-150, -100, 0, 77, 100, 200, 300, 335};
    for (double T : onLine) {
        double P = calcPsat(T);
        for (const char* fn : kTPFns) {
            add(fn, T, P, 0);
            add(fn, T, up(P), 0);
        }
    }

    // Functions of pressure with enthalpy or entropy: every range test, the
    // two-phase band, pressures at and around the critical pressure.
    const double Pph[] = {m.Pmin / 2, m.Pmin, 1e-5, f.Pt, 1e-3, 0.1, 1, 14.696,
                          100,        200,    271,  f.Pc, 300,  1000, m.Pmax, 1600};
    const double Hs[] = {-1, m.Hmin, 10, 40, 75, 100, 112.913, 150, 250, 400, m.Hmax, 600};
    const double Ss[] = {-0.01, m.Smin, 0.05, 0.15, 0.1779, 0.2, 0.2431, 0.3, 0.4, 0.5,
                         m.Smax, 0.8};
    for (double P : Pph) {
        for (double H : Hs) add("TofPH", P, H, 0);
        for (double S : Ss) {
            add("TofPS", P, S, 0);
            add("HofPS", P, S, 0);
        }
    }
    for (int k = 0; k < 16; ++k) {
        double P = logUniform(m.Pmin, m.Pmax);
        add("TofPH", P, uniform(m.Hmin, m.Hmax), 0);
        double S = uniform(m.Smin, m.Smax);
        add("TofPS", P, S, 0);
        add("HofPS", P, S, 0);
    }
    // The edges of the band, exactly and one ulp outside, and its middle.
    const double bandP[] = {1e-4, 1e-3, 1, 14.696, 100, 250, 271};
    for (double P : bandP) {
        const Band b = bandAt(P);
        for (double H : {down(b.hf), b.hf, b.hg, up(b.hg), (b.hf + b.hg) / 2}) add("TofPH", P, H, 0);
        for (double S : {down(b.sf), b.sf, b.sg, up(b.sg), (b.sf + b.sg) / 2}) {
            add("TofPS", P, S, 0);
            add("HofPS", P, S, 0);
        }
    }
    // Exactly at the bounds and one ulp beyond them.
    for (double H : {down(m.Hmin), m.Hmax, up(m.Hmax)}) add("TofPH", 14.696, H, 0);
    for (double S : {down(m.Smin), m.Smax, up(m.Smax)}) {
        add("TofPS", 14.696, S, 0);
        add("HofPS", 14.696, S, 0);
    }
    for (double P : {down(m.Pmin), up(m.Pmax)}) {
        add("TofPH", P, 100, 0);
        add("TofPS", P, 0.2, 0);
        add("HofPS", P, 0.2, 0);
    }
}

// A smaller set of the same kinds of states under every other unit code,
// the arguments converted into that code's units.
void addCasesInUnits(int32_t u) {
    const FluidData& f = g_fluidData;
    const ModelState& m = g_modelState;
    const double Ts[] = {f.Tt - 10, f.Tt, -100, 0, 77, 200, 300, f.Tc, 500};
    for (double T : Ts) {
        for (const char* fn : kSaturationFns) add(fn, userT(T, u), 0, u);
    }
    const double Ps[] = {f.Pt / 2, 1e-3, 1, 14.696, 100, 250, f.Pc, 400};
    for (double P : Ps) add("Tsat", userP(P, u), 0, u);

    const double Tv[] = {f.Tt, 0, 200, 700, m.Tmax};
    const double vv[] = {0.009, 0.0264, 1, 50, 1e6};
    for (double T : Tv)
        for (double v : vv)
            for (const char* fn : kTVFns) add(fn, userT(T, u), userV(v, u), u);

    const double Tp[] = {-100, 77, 300, f.Tc, 1000};
    const double Pp[] = {1e-3, 1, 14.696, 271.076, 1000};
    for (double T : Tp)
        for (double P : Pp)
            for (const char* fn : kTPFns) add(fn, userT(T, u), userP(P, u), u);

    const double Pph[] = {m.Pmin / 2, 1, 14.696, 1000};
    const double Hs[] = {-1, 90, 150, 400};
    const double Ss[] = {-0.01, 0.2, 0.3, 0.5};
    for (double P : Pph) {
        for (double H : Hs) add("TofPH", userP(P, u), userH(H, u), u);
        for (double S : Ss) {
            add("TofPS", userP(P, u), userS(S, u), u);
            add("HofPS", userP(P, u), userS(S, u), u);
        }
    }
}

void addNonfiniteCases() {
    const double odd[] = {kNaN, kInf, -kInf};
    for (double x : odd) {
        for (const char* fn : kSaturationFns) add(fn, x, 0, 0);
        add("Tsat", x, 0, 0);
        for (const char* fn : kTVFns) {
            add(fn, x, 1, 0);
            add(fn, 200, x, 0);
        }
        for (const char* fn : kTPFns) {
            add(fn, x, 14.696, 0);
            add(fn, 200, x, 0);
            add(fn, 200, x, 1);
        }
        for (const char* fn : {"TofPH", "TofPS", "HofPS"}) {
            add(fn, x, 0.2, 0);
            add(fn, 14.696, x, 0);
        }
    }
}

bool writeFile(const std::string& path, const std::vector<Formula>& formulas) {
    FILE* out = std::fopen(path.c_str(), "w");
    if (!out) return false;
    for (const Formula& f : formulas) {
        // Evaluate the formula as the test will read it back from the text.
        std::string text = golden::formulaText(f);
        Formula parsed;
        if (!golden::parseFormula(text, parsed)) {
            std::fprintf(stderr, "formula does not read back: %s\n", text.c_str());
            std::exit(1);
        }
        std::string line = text + "\t" + golden::resultText(golden::evaluate(parsed));
        std::fprintf(out, "%s\n", line.c_str());
    }
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_golden <dir>\n");
        return 2;
    }
    // The first call initialises the model; the bounds are read after it.
    Psat(77, 0);
    addCasesInInternalUnits();
    for (int32_t u : {1, 2, 3, 4, 5, 6, 7, -1, 8, 1000}) addCasesInUnits(u);
    addNonfiniteCases();
    std::string dir = argv[1];
    if (!writeFile(dir + "/golden.tsv", g_finite) || !writeFile(dir + "/golden_nonfinite.tsv", g_nonfinite)) {
        std::fprintf(stderr, "cannot write the golden files in %s\n", dir.c_str());
        return 1;
    }
    std::printf("%zu finite and %zu non-finite formulas\n", g_finite.size(), g_nonfinite.size());
    return 0;
}
