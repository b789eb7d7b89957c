// The plain strings from which each worksheet function is registered,
// built from a function table.
//
// The list holds one group per function in table order: the function name,
// the type text (its row codes, e.g. "RBJ"), the argument text (argument
// names joined by ",", e.g. "Ts,units"), the function help, then the
// argument helps; a null slot ends each group and a further null slot ends
// the list. Every string is a NUL-terminated heap copy of its own.
#pragma once

#include "addin/function_table.h"

// How many argument helps a group carries.
enum class ArgumentHelpRule {
    // 32-bit Excel: the first 20 helps only, the 20th followed by ", etc."
    // when the function has more than 20 arguments.
    capAtTwenty,
    // 64-bit Excel: every argument's help, unchanged.
    keepAll,
};

// The rule of the build being compiled.
constexpr ArgumentHelpRule kTargetArgumentHelpRule =
    sizeof(void*) == 4 ? ArgumentHelpRule::capAtTwenty : ArgumentHelpRule::keepAll;

// Most argument rows one function may have.
constexpr int kMaxArgumentRows = 30;

// Longest text a counted string can carry.
constexpr int kMaxCountedLength = 255;

// Builds the list from table under rule. Returns null, keeping nothing,
// when memory runs out, when a function has more than kMaxArgumentRows
// argument rows, when a row lacks its text or help, or when any string of
// the list would be longer than kMaxCountedLength characters.
char** buildRegistrationStringsFrom(const FunctionTableEntry* table, ArgumentHelpRule rule);

// The list for g_functionTable under the rule of this build.
char** buildRegistrationStrings();

// Gives back a list and all its strings; null is ignored.
void releaseRegistrationStrings(char** list);

// The list built by the latest open of the add-in (null before the first).
extern char** g_registrationStrings;
