// The formula reader of `quorvex eval` on arbitrary bytes: any line, of any
// length, with stray characters, huge exponents or NULs, is either read as
// a name with finite arguments or refused with a reason; it never crashes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/formula_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Formula formula;
    std::string reason;
    if (readFormula(text, formula, reason)) {
        if (formula.name.empty()) std::abort();
        for (double x : formula.arguments)
            if (!std::isfinite(x)) std::abort();
    } else if (reason.empty() || reason.find('\n') != std::string::npos) {
        std::fprintf(stderr, "a refusal needs a one-line reason\n");
        std::abort();
    }
    isBlankLine(text);
    return 0;
}
