// A small add-in for the loader's tests. It registers one function that
// works, one whose procedure it does not export, one whose type text the
// loader cannot call and one that answers an error record, and then says
// alerts and answers that its open failed.
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/host/xloper_records.h"
#include "worksheet/platform.h"
#include "worksheet/xloper.h"

namespace {

XLOPER g_answer = {};

// Registers a function with the given procedure, type, name and argument
// names, with empty helps, as the real add-in would.
void registerFunction(XLOPER* module, const char* procedure, const char* type,
                      const char* name, const char* arguments, int argumentCount) {
    const char* texts[] = {procedure, type, name, arguments, "1", "Fixture", "", "", "fixture function"};
    std::vector<std::vector<unsigned char>> counted;
    for (const char* text : texts) {
        counted.emplace_back(1, static_cast<unsigned char>(std::strlen(text)));
        counted.back().insert(counted.back().end(), text, text + std::strlen(text));
    }
    for (int i = 0; i < argumentCount; ++i) {
        counted.emplace_back(1, 0);
    }
    std::vector<XLOPER> records(counted.size());
    std::vector<XLOPER*> slots = {module};
    for (std::size_t i = 0; i < counted.size(); ++i) {
        records[i] = stringRecord(counted[i].data());
        slots.push_back(&records[i]);
    }
    XLOPER result = {};
    Excel4v(xlfRegister, &result, static_cast<int>(slots.size()), slots.data());
}

}  // namespace

extern "C" {

QV_EXPORT XLOPER* QV_STDCALL Doubled(double x, int32_t units) {
    g_answer.val.num = 2 * x + units;
    g_answer.xltype = xltypeNum;
    return &g_answer;
}

QV_EXPORT XLOPER* QV_STDCALL Odd(int32_t) {
    g_answer.val.num = 0;
    g_answer.xltype = xltypeNum;
    return &g_answer;
}

QV_EXPORT XLOPER* QV_STDCALL Failing(double, int32_t) {
    g_answer.val.err = xlerrValue;
    g_answer.xltype = xltypeErr;
    return &g_answer;
}

QV_EXPORT int QV_STDCALL xlAutoOpen(void) {
    XLOPER module = {};
    Excel4(xlGetName, &module, 0);
    registerFunction(&module, "Doubled", "RBJ", "Doubled", "x,units", 2);
    registerFunction(&module, "GhostProc", "RBJ", "Ghost", "x,units", 2);
    registerFunction(&module, "Odd", "RJ", "Odd", "units", 1);
    registerFunction(&module, "Failing", "RBJ", "Failing", "x,units", 2);
    Excel4(xlFree, nullptr, 1, &module);
    unsigned char text[] = "\x14" "Fixture open\nfailed!";
    XLOPER message = stringRecord(text);
    XLOPER type = integerRecord(2);
    Excel4(xlcAlert, nullptr, 2, &message, &type);
    return 0;
}

}  // extern "C"
