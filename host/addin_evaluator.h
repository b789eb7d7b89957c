// A CellEvaluator over an add-in loaded the way Excel loads it: each call
// goes through the registered function of that name, exactly as
// `quorvex eval` calls it.
#pragma once

#include <stdexcept>

#include "host/addin_loader.h"
#include "host/cell_evaluator.h"

// Thrown when a call does not give a number: a function the add-in did not
// register, a wrong argument count, or an error value in the cell.
struct CellEvaluationError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The evaluator refers to `addin`, which must stay open while it is used.
CellEvaluator evaluatorOf(const LoadedAddin& addin);
