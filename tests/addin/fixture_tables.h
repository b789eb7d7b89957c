// Small function tables built at run time for the add-in's tests.
#pragma once

#include <string>
#include <vector>

#include "addin/function_table.h"

// A table and the strings its rows point at.
struct FixtureTable {
    std::vector<FunctionTableEntry> rows;
    std::vector<std::string> texts;  // reserved up front: rows point into it
};

// A table with one function per entry of argumentCounts, named F1, F2, ...
// with help "function k"; argument i (from 1) is "a<i>" of code B with
// help "help <i>", the last argument of each function is J.
FixtureTable tableOfFunctions(const std::vector<int>& argumentCounts);

// Adds the row that ends the table and returns the rows; call it once.
const FunctionTableEntry* rowsOf(FixtureTable& table);

// The groups of a registration list, each as its strings.
std::vector<std::vector<std::string>> groupsOf(char** list);

// Number of slots of a list, its final null included.
int slotCountOf(char** list);
