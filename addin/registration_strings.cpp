#include "addin/registration_strings.h"

#include <cstring>

#include "addin/heap.h"

char** g_registrationStrings = nullptr;

namespace {

constexpr int kHelpCap = 20;
constexpr char kEtcSuffix[] = ", etc.";

// Number of argument rows of the function whose R row is at first.
int argumentRowCount(const FunctionTableEntry* first) {
    int n = 0;
    while (first[n + 1].typeCode != 0) {
        ++n;
    }
    return n;
}

int helpCount(int argumentRows, ArgumentHelpRule rule) {
    if (rule == ArgumentHelpRule::capAtTwenty && argumentRows > kHelpCap) {
        return kHelpCap;
    }
    return argumentRows;
}

// Slots the list needs: per function its name, type text, argument text,
// function help, helps and ending null, plus the list's final null.
std::size_t slotCount(const FunctionTableEntry* table, ArgumentHelpRule rule) {
    std::size_t total = 0;
    for (const FunctionTableEntry* row = table; row->typeCode != 0;) {
        int n = argumentRowCount(row);
        total += static_cast<std::size_t>(helpCount(n, rule)) + 5;
        row += n + 2;
    }
    return total + 1;
}

// A heap copy of the first length characters of text followed by suffix;
// null when memory runs out or the result would not fit a counted string.
char* copyText(const char* text, std::size_t length, const char* suffix) {
    std::size_t suffixLength = std::strlen(suffix);
    if (length + suffixLength > static_cast<std::size_t>(kMaxCountedLength)) {
        return nullptr;
    }
    char* copy = static_cast<char*>(allocateZeroed(length + suffixLength + 1));
    if (copy != nullptr) {
        std::memcpy(copy, text, length);
        std::memcpy(copy + length, suffix, suffixLength);
    }
    return copy;
}

char* copyText(const char* text) {
    return copyText(text, std::strlen(text), "");
}

bool rowIsComplete(const FunctionTableEntry& row) {
    return row.text != nullptr && row.help != nullptr;
}

// The argument names of the n rows after the R row, joined by ",";
// null when memory runs out or the text would be too long.
char* joinArgumentNames(const FunctionTableEntry* first, int n) {
    std::size_t length = 0;
    for (int i = 1; i <= n; ++i) {
        length += std::strlen(first[i].text) + (i > 1 ? 1 : 0);
    }
    if (length > static_cast<std::size_t>(kMaxCountedLength)) {
        return nullptr;
    }
    char* joined = static_cast<char*>(allocateZeroed(length + 1));
    if (joined == nullptr) {
        return nullptr;
    }
    char* end = joined;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) {
            *end++ = ',';
        }
        std::size_t nameLength = std::strlen(first[i].text);
        std::memcpy(end, first[i].text, nameLength);
        end += nameLength;
    }
    return joined;
}

// Writes the group of the function whose R row is at first into slots,
// which has room for it. Returns the number of slots used, the ending null
// included, or 0 when the group cannot be built; strings already stored
// stay in slots for the caller to give back.
int fillGroup(char** slots, const FunctionTableEntry* first, ArgumentHelpRule rule) {
    int n = argumentRowCount(first);
    if (n > kMaxArgumentRows) {
        return 0;
    }
    for (int i = 0; i <= n; ++i) {
        if (!rowIsComplete(first[i])) {
            return 0;
        }
    }
    int used = 0;
    slots[used] = copyText(first[0].text);
    if (slots[used++] == nullptr) {
        return 0;
    }
    char typeText[kMaxArgumentRows + 2] = {};
    for (int i = 0; i <= n; ++i) {
        typeText[i] = first[i].typeCode;
    }
    slots[used] = copyText(typeText);
    if (slots[used++] == nullptr) {
        return 0;
    }
    slots[used] = joinArgumentNames(first, n);
    if (slots[used++] == nullptr) {
        return 0;
    }
    slots[used] = copyText(first[0].help);
    if (slots[used++] == nullptr) {
        return 0;
    }
    int helps = helpCount(n, rule);
    for (int i = 1; i <= helps; ++i) {
        const char* help = first[i].help;
        bool cut = i == helps && helps < n;
        slots[used] = copyText(help, std::strlen(help), cut ? kEtcSuffix : "");
        if (slots[used++] == nullptr) {
            return 0;
        }
    }
    slots[used] = nullptr;
    return used + 1;
}

}  // namespace

char** buildRegistrationStringsFrom(const FunctionTableEntry* table, ArgumentHelpRule rule) {
    std::size_t slots = slotCount(table, rule);
    char** list = static_cast<char**>(allocateZeroed(slots * sizeof(char*)));
    if (list == nullptr) {
        return nullptr;
    }
    char** next = list;
    for (const FunctionTableEntry* row = table; row->typeCode != 0;) {
        int used = fillGroup(next, row, rule);
        if (used == 0) {
            // The zeroed slots end the partial list where the failed group
            // stopped, so it can be given back like a whole one.
            releaseRegistrationStrings(list);
            return nullptr;
        }
        next += used;
        row += argumentRowCount(row) + 2;
    }
    return list;
}

char** buildRegistrationStrings() {
    return buildRegistrationStringsFrom(g_functionTable, kTargetArgumentHelpRule);
}

void releaseRegistrationStrings(char** list) {
    if (list == nullptr) {
        return;
    }
    // Groups end at a null slot; an empty group ends the list.
    char** slot = list;
    while (*slot != nullptr) {
        while (*slot != nullptr) {
            releaseMemory(*slot++);
        }
        ++slot;
    }
    releaseMemory(list);
}
