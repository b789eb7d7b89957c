#include "host/table_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

std::string numberText(double x, bool roundTrip) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x > 0 ? "inf" : "-inf";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, roundTrip ? "%.17g" : "%.6g", x);
    return buffer;
}

// Width on a terminal: UTF-8 continuation bytes take no column.
size_t displayWidthOf(const std::string& text) {
    size_t width = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++width;
    return width;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// Every cell as text, the header row first.
std::vector<std::vector<std::string>> cellsOf(const PropertyTable& table, bool roundTrip) {
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> header;
    for (const TableColumn& column : table.columns) header.push_back(columnHeaderOf(column, table.units));
    if (!table.noteHeader.empty()) header.push_back(table.noteHeader);
    cells.push_back(header);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        std::vector<std::string> line;
        for (double x : table.rows[r]) line.push_back(numberText(x, roundTrip));
        if (!table.noteHeader.empty()) line.push_back(r < table.notes.size() ? table.notes[r] : "");
        cells.push_back(line);
    }
    return cells;
}

std::string formatCsv(const PropertyTable& table) {
    std::string out;
    for (const auto& line : cellsOf(table, true)) {
        for (size_t c = 0; c < line.size(); ++c) out += (c ? "," : "") + csvField(line[c]);
        out += "\n";
    }
    return out;
}

std::string formatMarkdown(const PropertyTable& table) {
    const auto cells = cellsOf(table, false);
    std::string out;
    for (size_t r = 0; r < cells.size(); ++r) {
        out += "|";
        for (const std::string& cell : cells[r]) out += " " + cell + " |";
        out += "\n";
        if (r == 0) {
            out += "|";
            for (size_t c = 0; c < cells[0].size(); ++c)
                out += c < table.columns.size() ? " ---: |" : " :--- |";
            out += "\n";
        }
    }
    return out;
}

// Numbers right-aligned under right-aligned headers, the note column
// left-aligned, two spaces between columns.
std::string formatText(const PropertyTable& table) {
    const auto cells = cellsOf(table, false);
    std::vector<size_t> widths(cells[0].size(), 0);
    for (const auto& line : cells)
        for (size_t c = 0; c < line.size(); ++c) widths[c] = std::max(widths[c], displayWidthOf(line[c]));
    std::string out;
    for (const auto& line : cells) {
        std::string text;
        for (size_t c = 0; c < line.size(); ++c) {
            const std::string pad(widths[c] - displayWidthOf(line[c]), ' ');
            if (c) text += "  ";
            text += c < table.columns.size() ? pad + line[c] : line[c] + pad;
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out += text + "\n";
    }
    return out;
}

}  // namespace

bool tableFormatOfName(const std::string& name, TableFormat& format) {
    if (name == "csv") format = TableFormat::Csv;
    else if (name == "md") format = TableFormat::Markdown;
    else if (name == "text") format = TableFormat::Text;
    else return false;
    return true;
}

std::string columnHeaderOf(const TableColumn& column, int32_t units) {
    if (column.quantity == Quantity::Compressibility) return column.symbol;
    return column.symbol + " (" + unitLabelOf(column.quantity, units) + ")";
}

std::string formatTable(const PropertyTable& table, TableFormat format) {
    switch (format) {
    case TableFormat::Csv: return formatCsv(table);
    case TableFormat::Markdown: return formatMarkdown(table);
    case TableFormat::Text: return formatText(table);
    }
    return "";
}
