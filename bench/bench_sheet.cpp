#include "bench_sheet.h"

#include <cmath>

#include "worksheet/functions.h"

std::vector<SheetCell> propertySheet() {
    std::vector<SheetCell> sheet;
    for (int row = 0; row < 100; ++row) {
        double P = std::pow(10.0, 3.0 * row / 99);  // 1 .. 1000 psia
        for (int k = 0; k < 40; ++k) sheet.push_back({0, P, 20 + 7.0 * k});       // H 20 .. 293
        for (int k = 0; k < 40; ++k) sheet.push_back({1, P, 0.05 + 0.01 * k});   // S 0.05 .. 0.44
        for (int k = 0; k < 10; ++k) sheet.push_back({2, P, 0.1 + 0.03 * k});    // S 0.10 .. 0.37
        for (int k = 0; k < 10; ++k) sheet.push_back({3, -50 + 60.0 * k, P});    // T -50 .. 490
    }
    return sheet;
}

double recalculate(const std::vector<SheetCell>& sheet) {
    double sum = 0;
    for (const SheetCell& c : sheet) {
        switch (c.function) {
            case 0: sum += TofPH(c.a, c.b, 0)->val.num; break;
            case 1: sum += HofPS(c.a, c.b, 0)->val.num; break;
            case 2: sum += TofPS(c.a, c.b, 0)->val.num; break;
            default: sum += HofTP(c.a, c.b, 0)->val.num; break;
        }
    }
    return sum;
}

