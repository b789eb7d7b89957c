#include "tests/addin/fixture_tables.h"

FixtureTable tableOfFunctions(const std::vector<int>& argumentCounts) {
    FixtureTable table;
    std::size_t texts = 0;
    for (int n : argumentCounts) {
        texts += 2 + 2 * static_cast<std::size_t>(n);
    }
    table.texts.reserve(texts);
    auto keep = [&table](std::string text) { return table.texts.emplace_back(std::move(text)).c_str(); };
    for (std::size_t k = 0; k < argumentCounts.size(); ++k) {
        int n = argumentCounts[k];
        const char* name = keep("F" + std::to_string(k + 1));
        table.rows.push_back({'R', name, keep("function " + std::to_string(k + 1))});
        for (int i = 1; i <= n; ++i) {
            const char* argument = keep("a" + std::to_string(i));
            table.rows.push_back({i == n ? 'J' : 'B', argument, keep("help " + std::to_string(i))});
        }
        table.rows.push_back({0, nullptr, nullptr});
    }
    return table;
}

const FunctionTableEntry* rowsOf(FixtureTable& table) {
    table.rows.push_back({0, nullptr, nullptr});
    return table.rows.data();
}

std::vector<std::vector<std::string>> groupsOf(char** list) {
    std::vector<std::vector<std::string>> groups;
    for (char** slot = list; *slot != nullptr; ++slot) {
        std::vector<std::string> group;
        while (*slot != nullptr) {
            group.emplace_back(*slot++);
        }
        groups.push_back(group);
    }
    return groups;
}

int slotCountOf(char** list) {
    int slots = 0;
    while (list[slots] != nullptr) {
        while (list[slots] != nullptr) {
            ++slots;
        }
        ++slots;
    }
    return slots + 1;
}
