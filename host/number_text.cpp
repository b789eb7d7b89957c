#include "host/number_text.h"

#include <cmath>
#include <cstdio>

std::string textOfNumber(double x) {
    if (std::isnan(x)) {
        return "nan";
    }
    if (std::isinf(x)) {
        return x > 0 ? "inf" : "-inf";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}
