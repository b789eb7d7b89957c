// Opening the add-in: every function of the table is registered with Excel
// from the strings of its group.
#include <cstring>

#include "addin/alert.h"
#include "addin/callbacks.h"
#include "addin/heap.h"

namespace {

const char kBuildFailedText[] = "Error: can't build function params!";
const char kRegisterFailedText[] = "Error: Failed to register the XLL!";

// Values passed to xlfRegister that do not come from the group.
const char kMacroType[] = "1";
const char kEmptyText[] = "";

// Values before the argument helps, besides the module name: procedure,
// type text, function text, argument text, macro type, category, shortcut,
// help topic and function help.
constexpr int kFixedValues = 9;

// Number of strings in the largest group of list.
int largestGroupSize(char** list) {
    int largest = 0;
    for (char** slot = list; *slot != nullptr; ++slot) {
        int size = 0;
        while (slot[size] != nullptr) {
            ++size;
        }
        if (size > largest) {
            largest = size;
        }
        slot += size;
    }
    return largest;
}

// A counted copy of text on the heap; null when memory runs out or the text
// does not fit a counted string.
unsigned char* countedCopy(const char* text) {
    std::size_t length = std::strlen(text);
    if (length > static_cast<std::size_t>(kMaxCountedLength)) {
        return nullptr;
    }
    unsigned char* counted = static_cast<unsigned char*>(allocateZeroed(length + 1));
    if (counted != nullptr) {
        counted[0] = static_cast<unsigned char>(length);
        std::memcpy(counted + 1, text, length);
    }
    return counted;
}

// The scratch arrays of one open, sized for the largest group.
struct RegisterScratch {
    XLOPER* values;   // the values from the procedure on
    XLOPER** slots;   // module name, then the addresses of values
};

void releaseScratch(RegisterScratch& scratch) {
    releaseMemory(scratch.values);
    releaseMemory(scratch.slots);
    scratch = {};
}

void releaseCountedValues(XLOPER* values, int count) {
    for (int i = 0; i < count; ++i) {
        releaseMemory(values[i].val.str);
        values[i] = {};
    }
}

// Fills the values for the group at group (with size strings) in the order
// xlfRegister takes them. Returns how many were filled, or -1 when memory
// ran out, in which case none is left allocated.
int fillRegisterValues(char** group, int size, RegisterScratch& scratch) {
    const char* texts[kFixedValues] = {
        group[0], group[1], group[0], group[2],
        kMacroType, reinterpret_cast<const char*>(g_addinName + 1), kEmptyText, kEmptyText,
        group[3],
    };
    int count = kFixedValues + (size - 4);
    for (int i = 0; i < count; ++i) {
        const char* text = i < kFixedValues ? texts[i] : group[4 + (i - kFixedValues)];
        unsigned char* counted = countedCopy(text);
        if (counted == nullptr) {
            releaseCountedValues(scratch.values, i);
            return -1;
        }
        scratch.values[i].val.str = counted;
        scratch.values[i].xltype = xltypeStr;
        scratch.slots[i + 1] = &scratch.values[i];
    }
    return count;
}

// Registers every group of list with the library named by moduleName.
// Returns 1, or 0 after the alert of the failure.
int registerGroups(char** list, XLOPER* moduleName, RegisterScratch& scratch) {
    scratch.slots[0] = moduleName;
    for (char** group = list; *group != nullptr;) {
        int size = 0;
        while (group[size] != nullptr) {
            ++size;
        }
        int count = fillRegisterValues(group, size, scratch);
        if (count < 0) {
            showPlainAlert(kBuildFailedText);
            return 0;
        }
        XLOPER registerId = {};
        int code = Excel4v(xlfRegister, &registerId, count + 1, scratch.slots);
        releaseCountedValues(scratch.values, count);
        if (code != xlretSuccess) {
            showPlainAlert(kRegisterFailedText);
            return 0;
        }
        group += size + 1;
    }
    return 1;
}

}  // namespace

int registerFunctionsFrom(const FunctionTableEntry* table, ArgumentHelpRule rule) {
    // Nothing reads the previous list once its open has returned.
    releaseRegistrationStrings(g_registrationStrings);
    g_registrationStrings = buildRegistrationStringsFrom(table, rule);
    if (g_registrationStrings == nullptr) {
        showPlainAlert(kBuildFailedText);
        return 0;
    }
    std::size_t largest = static_cast<std::size_t>(largestGroupSize(g_registrationStrings));
    RegisterScratch scratch = {
        static_cast<XLOPER*>(allocateZeroed((largest + 5) * sizeof(XLOPER))),
        static_cast<XLOPER**>(allocateZeroed((largest + 6) * sizeof(XLOPER*))),
    };
    if (scratch.values == nullptr || scratch.slots == nullptr) {
        releaseScratch(scratch);
        showPlainAlert(kBuildFailedText);
        return 0;
    }
    XLOPER moduleName = {};
    int nameCode = Excel4(xlGetName, &moduleName, 0);
    int result = registerGroups(g_registrationStrings, &moduleName, scratch);
    // Only a name that Excel handed out is Excel's to take back.
    if (nameCode == xlretSuccess) {
        Excel4(xlFree, nullptr, 1, &moduleName);
    }
    releaseScratch(scratch);
    return result;
}

int QV_STDCALL xlAutoOpen(void) {
    return registerFunctionsFrom(g_functionTable, kTargetArgumentHelpRule);
}
