// A property table as an engineer builds one: 100 rows of pressures from 1
// to 1000 psia, and in each row 40 cells of TofPH over enthalpies, 40 of
// HofPS over entropies, 10 of TofPS and 10 of HofTP: 10,000 mixed cells.
#pragma once

#include <vector>

struct SheetCell {
    int function;  // 0 TofPH, 1 HofPS, 2 TofPS, 3 HofTP
    double a;
    double b;
};

std::vector<SheetCell> propertySheet();

// One recalculation of every cell; returns the sum of the results so that
// nothing is optimised away.
double recalculate(const std::vector<SheetCell>& sheet);
