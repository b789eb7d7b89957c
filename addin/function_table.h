// The static table that describes every worksheet function to Excel, and
// the add-in's display name.
#pragma once

// One row of the function table. An 'R' row opens a function and names
// it; each following 'B' (double) or 'J' (32-bit integer) row describes one
// argument in order; a row with typeCode 0 ends the function. A second end
// row directly after a function's end row ends the table.
struct FunctionTableEntry {
    char typeCode;
    const char* text;  // function name or argument name; null in an end row
    const char* help;  // function help or argument help; null in an end row
};

// The nineteen worksheet functions in registration order, 88 rows.
extern const FunctionTableEntry g_functionTable[88];

// "Quorvex Equation of State" as a counted string: the length byte 25, the
// 25 characters, then a NUL so that the characters also read as a plain
// string from g_addinName + 1.
extern const unsigned char g_addinName[27];
