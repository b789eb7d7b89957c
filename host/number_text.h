// How the tool writes a number: round-trip precision, and nan, inf and
// -inf for the non-finite values.
#pragma once

#include <string>

std::string textOfNumber(double x);
