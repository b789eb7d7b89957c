// The demonstration workbook: a saturation table and an isobar table whose
// cells are live formulas of the add-in, each stored with the value the
// add-in gives for it, so the workbook shows numbers before any
// recalculation and in programs without the add-in; a sheet of the unit
// systems, a sheet with one example of every function, and a sheet telling
// how to load the add-in.
//
// Formulas name the functions plainly (`Psat(A7,$B$2)`), the way Excel
// writes the functions of a loaded XLL add-in into an .xlsx file, so that
// Excel with the add-in loaded recalculates them.
#pragma once

#include <string>
#include <vector>

#include "host/addin_loader.h"
#include "host/cell_evaluator.h"

// One formula cell as written: sheet, cell, formula and stored value.
struct WrittenFormula {
    std::string sheet;
    std::string cell;     // "B7"
    std::string formula;  // without "="
    double value;
};

// Writes the workbook to path. `functions` are the registered functions
// (for the examples sheet). Lists every add-in formula written, with its
// stored value, in `written`. False, with a reason, when the file cannot
// be written.
bool writeDemoWorkbook(const std::string& path, const CellEvaluator& evaluate,
                       const std::vector<RegisteredFunction>& functions, std::vector<WrittenFormula>& written,
                       std::string& error);
