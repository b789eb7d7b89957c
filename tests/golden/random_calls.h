// A reproducible random sample of worksheet calls over the whole domain of
// the solver-based functions, for comparing two builds call by call: states
// of every branch of the volume solver, the saturation line itself and one
// ulp above it, saturation temperatures, the neighbourhood of the critical
// point, the two-phase band and states beyond every bound, in every unit code.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

#include "golden_formula.h"

namespace golden {

class RandomCalls {
public:
    explicit RandomCalls(uint64_t seed) : rng_(seed) {}

    Formula next() {
        Formula f;
        const double kind = uniform(0, 1);
        f.units = static_cast<int32_t>(std::floor(uniform(0, 8)));
        if (kind < 0.4) {
            static const char* const names[] = {"VofTP", "HofTP", "SofTP", "ZofTP"};
            f.fn = findFunction(names[pick(4)]);
            temperaturePressure(f.a, f.b);
            f.units = 0;  // the states are made in internal units
        } else if (kind < 0.45) {
            f.fn = findFunction("Tsat");
            f.a = logUniform(3e-5, 300);
            if (uniform(0, 1) < 0.3) f.a = Psat(uniform(kTt, kTc), 0)->val.num;  // on a step's value
            f.units = 0;
        } else if (kind < 0.6) {
            static const char* const names[] = {"Vf", "Vg", "Hf", "Hg", "Sf", "Sg"};
            f.fn = findFunction(names[pick(6)]);
            f.a = uniform(kTt - 10, kTc + 10);
            if (uniform(0, 1) < 0.2) f.a = uniform(kTc - 2, kTc + 0.01);
            f.units = 0;
        } else {
            static const char* const names[] = {"TofPH", "TofPS", "HofPS"};
            f.fn = findFunction(names[pick(3)]);
            double P = logUniform(1e-8, 2000);
            if (uniform(0, 1) < 0.2) P = uniform(250, 300);  // around Pc
            f.a = P;
            f.b = f.fn->name[3] == 'H' && f.fn->name[0] == 'T' ? uniform(-20, 600) : uniform(-0.05, 0.8);
        }
        return f;
    }

private:
    static constexpr double kTt = -162.67, kTc = 335.588, kPc = 271.076;

    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    double logUniform(double lo, double hi) { return std::exp(uniform(std::log(lo), std::log(hi))); }
    int pick(int n) { return std::min(n - 1, static_cast<int>(uniform(0, n))); }

    void temperaturePressure(double& T, double& P) {
        const double kind = uniform(0, 1);
        if (kind < 0.5) {  // anywhere, beyond the bounds included
            T = uniform(-250, 2500);
            P = logUniform(1e-10, 1e5);
        } else if (kind < 0.7) {  // on the saturation line or one ulp above it
            T = uniform(kTt, kTc);
            P = Psat(T, 0)->val.num;
            if (uniform(0, 1) < 0.5) P = std::nextafter(P, INFINITY);
        } else if (kind < 0.85) {  // near the critical point
            T = uniform(kTc - 5, kTc + 5);
            P = uniform(kPc - 20, kPc + 20);
        } else {  // compressed liquid up to the highest pressures
            T = uniform(kTt, kTc);
            P = logUniform(100, 1e6);
        }
    }

    std::mt19937_64 rng_;
};

}  // namespace golden
