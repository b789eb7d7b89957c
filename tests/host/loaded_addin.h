// The built add-in, loaded once into the test process (which provides
// Excel4 and Excel4v from the stand-in), and an evaluator over it: the
// road by which the table, chart and workbook commands compute.
#pragma once

#include <gtest/gtest.h>

#include "host/addin_evaluator.h"
#include "host/addin_loader.h"
#include "tests/host/tool_paths.h"

inline const LoadedAddin& loadedAddin() {
    static LoadedAddin addin = [] {
        LoadedAddin a{};
        std::string error;
        if (!openAddin(kAddinPath, a, error)) ADD_FAILURE() << "cannot load " << kAddinPath << ": " << error;
        return a;
    }();
    return addin;
}

inline const CellEvaluator& addinEvaluator() {
    static const CellEvaluator evaluate = evaluatorOf(loadedAddin());
    return evaluate;
}
