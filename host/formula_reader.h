// Reading a worksheet formula such as "=PofTV(100, 0.5, 1)": a function
// name and a list of numeric literals.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Formula {
    std::string name;
    std::vector<double> arguments;
};

// Reads text: an optional "=", a name (a letter or "_", then letters,
// digits, "_" or "."), "(", numeric literals separated by "," and ")",
// with spaces allowed between the parts. A literal has an optional sign,
// digits with an optional decimal point (or a point and digits) and an
// optional exponent, and must be a finite double. False, with a one-line
// reason, when text is not such a formula.
bool readFormula(std::string_view text, Formula& formula, std::string& reason);

// True when text holds nothing but spaces and tabs.
bool isBlankLine(std::string_view text);
