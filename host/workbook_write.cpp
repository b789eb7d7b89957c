#include "host/workbook_write.h"

#include <xlsxwriter.h>

#include <cstdio>

#include "host/function_examples.h"
#include "host/table_build.h"
#include "host/unit_labels.h"

namespace {

// The unit system the workbook opens with, and its tables.
constexpr int kUnits = 1;
constexpr double kSaturationFrom = -40, kSaturationTo = 160, kSaturationStep = 10;  // °C
constexpr double kIsobarPressure = 1;                                            // bar
constexpr double kIsobarFrom = -40, kIsobarTo = 300, kIsobarStep = 10;             // °C

// Rows of the Units sheet: a title, a header, then codes 0 to 7.
constexpr int kUnitsFirstRow = 2;

const Quantity kUnitQuantities[] = {Quantity::Temperature, Quantity::Pressure, Quantity::Volume,
                                    Quantity::Enthalpy, Quantity::Entropy};

std::string cellName(int row, int column) {
    char buffer[16];
    lxw_rowcol_to_cell(buffer, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column));
    return buffer;
}

struct Sheet {
    lxw_worksheet* worksheet;
    std::string name;
};

struct Writer {
    lxw_workbook* workbook;
    const CellEvaluator& evaluate;
    std::vector<WrittenFormula>& written;
    lxw_format* bold;
    lxw_format* title;
    lxw_format* header;
};

// A live formula of the add-in with its stored value.
void addinFormula(Writer& w, const Sheet& sheet, int row, int column, const std::string& formula, double value) {
    worksheet_write_formula_num(sheet.worksheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                ("=" + formula).c_str(), nullptr, value);
    w.written.push_back({sheet.name, cellName(row, column), formula, value});
}

void text(const Sheet& sheet, int row, int column, const std::string& value, lxw_format* format = nullptr) {
    worksheet_write_string(sheet.worksheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                           value.c_str(), format);
}

void number(const Sheet& sheet, int row, int column, double value, lxw_format* format = nullptr) {
    worksheet_write_number(sheet.worksheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), value,
                           format);
}

// A cell showing the unit of `quantity` for the code in `codeCell`, looked
// up in the Units sheet so that it follows a change of the code.
void unitCell(Writer& w, const Sheet& sheet, int row, int column, Quantity quantity, const std::string& codeCell) {
    if (quantity == Quantity::Compressibility) {
        text(sheet, row, column, "-", w.header);
        return;
    }
    int unitsColumn = 2;
    for (Quantity q : kUnitQuantities) {
        if (q == quantity) break;
        ++unitsColumn;
    }
    const std::string first = cellName(kUnitsFirstRow, unitsColumn), last = cellName(kUnitsFirstRow + 7, unitsColumn);
    const std::string formula = "=INDEX(Units!$" + first.substr(0, 1) + "$" + first.substr(1) + ":$" +
                                last.substr(0, 1) + "$" + last.substr(1) + "," + codeCell + "+1)";
    worksheet_write_formula_str(sheet.worksheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                formula.c_str(), w.header, unitLabelOf(quantity, kUnits).c_str());
}

// The symbols of the table's columns, and below them their units for the
// code in B2, as in the tables of `quorvex table`.
void writeColumnHeads(Writer& w, const Sheet& sheet, int row, const std::vector<TableColumn>& columns) {
    for (size_t c = 0; c < columns.size(); ++c) {
        text(sheet, row, static_cast<int>(c), columns[c].symbol, w.header);
        unitCell(w, sheet, row + 1, static_cast<int>(c), columns[c].quantity, "$B$2");
    }
}

void writeUnitsSheet(Writer& w) {
    const Sheet sheet{workbook_add_worksheet(w.workbook, "Units"), "Units"};
    text(sheet, 0, 0, "Unit systems: the last argument of every function", w.title);
    const char* headers[] = {"units", "system", "temperature", "pressure", "specific volume", "enthalpy", "entropy"};
    for (int c = 0; c < 7; ++c) text(sheet, 1, c, headers[c], w.header);
    for (int units = 0; units <= 7; ++units) {
        const int row = kUnitsFirstRow + units;
        number(sheet, row, 0, units);
        text(sheet, row, 1, units == 7 ? "as 0 (every code outside 1 to 6)" : unitSystemSummaryOf(units));
        int column = 2;
        for (Quantity q : kUnitQuantities) text(sheet, row, column++, unitLabelOf(q, units));
    }
    text(sheet, kUnitsFirstRow + 9, 0, "Compressibility (ZofTV, ZofTP) has no unit.");
    worksheet_set_column(sheet.worksheet, 1, 1, 40, nullptr);
    worksheet_set_column(sheet.worksheet, 2, 6, 16, nullptr);
}

// Code cell B2 and its description, shared by the two table sheets.
void writeCodeCell(Writer& w, const Sheet& sheet) {
    text(sheet, 1, 0, "units (0-7)", w.bold);
    number(sheet, 1, 1, kUnits);
    worksheet_write_formula_str(sheet.worksheet, 1, 2, "=INDEX(Units!$B$3:$B$10,$B$2+1)", nullptr,
                                unitSystemSummaryOf(kUnits).c_str());
}

void writeSaturationSheet(Writer& w) {
    const Sheet sheet{workbook_add_worksheet(w.workbook, "Saturation"), "Saturation"};
    text(sheet, 0, 0, "Saturated liquid and vapour by temperature", w.title);
    writeCodeCell(w, sheet);
    text(sheet, 2, 0, "Change B2 to another unit system: column A is then read in its temperature unit.");
    writeColumnHeads(w, sheet, 4, saturationColumnsByTemperature());
    int row = 6;
    for (double T = kSaturationFrom; T <= kSaturationTo; T += kSaturationStep, ++row) {
        const std::string a = "A" + std::to_string(row + 1);
        number(sheet, row, 0, T);
        const char* functions[] = {"Psat", "Vf", "Vg", "Hf", "Hg"};
        double values[5];
        for (int f = 0; f < 5; ++f) {
            values[f] = evalCell(w.evaluate, functions[f], {T}, kUnits);
            addinFormula(w, sheet, row, 1 + f, std::string(functions[f]) + "(" + a + ",$B$2)", values[f]);
        }
        const std::string r = std::to_string(row + 1);
        worksheet_write_formula_num(sheet.worksheet, static_cast<lxw_row_t>(row), 6, ("=F" + r + "-E" + r).c_str(),
                                    nullptr, values[4] - values[3]);
        addinFormula(w, sheet, row, 7, "Sf(" + a + ",$B$2)", evalCell(w.evaluate, "Sf", {T}, kUnits));
        addinFormula(w, sheet, row, 8, "Sg(" + a + ",$B$2)", evalCell(w.evaluate, "Sg", {T}, kUnits));
    }
    worksheet_set_column(sheet.worksheet, 0, 8, 13, nullptr);
    worksheet_freeze_panes(sheet.worksheet, 6, 1);
}

void writeIsobarSheet(Writer& w) {
    const Sheet sheet{workbook_add_worksheet(w.workbook, "Isobar"), "Isobar"};
    text(sheet, 0, 0, "States at one pressure, through the two-phase jump", w.title);
    writeCodeCell(w, sheet);
    text(sheet, 2, 0, "pressure", w.bold);
    number(sheet, 2, 1, kIsobarPressure);
    unitCell(w, sheet, 2, 2, Quantity::Pressure, "$B$2");
    text(sheet, 3, 0, "Tsat", w.bold);
    const double Ts = evalCell(w.evaluate, "Tsat", {kIsobarPressure}, kUnits);
    addinFormula(w, sheet, 3, 1, "Tsat($B$3,$B$2)", Ts);
    unitCell(w, sheet, 3, 2, Quantity::Temperature, "$B$2");

    // The saturated states at Tsat, beside the table.
    text(sheet, 5, 7, "at Tsat", w.header);
    text(sheet, 5, 8, "liquid", w.header);
    text(sheet, 5, 9, "vapour", w.header);
    const char* saturated[][3] = {{"V", "Vf", "Vg"}, {"H", "Hf", "Hg"}, {"S", "Sf", "Sg"}};
    for (int i = 0; i < 3; ++i) {
        text(sheet, 6 + i, 7, saturated[i][0], w.bold);
        for (int side = 1; side <= 2; ++side)
            addinFormula(w, sheet, 6 + i, 7 + side, std::string(saturated[i][side]) + "($B$4,$B$2)",
                         evalCell(w.evaluate, saturated[i][side], {Ts}, kUnits));
    }

    writeColumnHeads(w, sheet, 5, isobarColumns());
    int row = 7;
    for (double T = kIsobarFrom; T <= kIsobarTo; T += kIsobarStep, ++row) {
        const std::string a = "A" + std::to_string(row + 1);
        number(sheet, row, 0, T);
        const char* functions[] = {"VofTP", "HofTP", "SofTP", "ZofTP"};
        for (int f = 0; f < 4; ++f)
            addinFormula(w, sheet, row, 1 + f, std::string(functions[f]) + "(" + a + ",$B$3,$B$2)",
                         evalCell(w.evaluate, functions[f], {T, kIsobarPressure}, kUnits));
    }
    worksheet_set_column(sheet.worksheet, 0, 9, 13, nullptr);
    worksheet_freeze_panes(sheet.worksheet, 7, 1);
}

void writeFunctionsSheet(Writer& w, const std::vector<RegisteredFunction>& functions) {
    const Sheet sheet{workbook_add_worksheet(w.workbook, "Functions"), "Functions"};
    text(sheet, 0, 0, "The nineteen functions, each with a live example", w.title);
    const char* headers[] = {"function", "arguments", "help", "example", "value"};
    for (int c = 0; c < 5; ++c) text(sheet, 1, c, headers[c], w.header);
    int row = 2;
    for (const RegisteredFunction& function : functions) {
        std::vector<double> arguments;
        if (!exampleArgumentsOf(function, arguments)) continue;
        const std::string formula = exampleFormulaOf(function, arguments);
        text(sheet, row, 0, function.name, w.bold);
        text(sheet, row, 1, function.argumentText);
        text(sheet, row, 2, function.functionHelp);
        text(sheet, row, 3, "=" + formula);
        std::vector<double> state(arguments.begin(), arguments.end() - 1);
        addinFormula(w, sheet, row, 4, formula,
                     w.evaluate(function.name, state, static_cast<int32_t>(arguments.back())));
        ++row;
    }
    worksheet_set_column(sheet.worksheet, 1, 1, 12, nullptr);
    worksheet_set_column(sheet.worksheet, 2, 2, 36, nullptr);
    worksheet_set_column(sheet.worksheet, 3, 4, 22, nullptr);
}

void writeLoadingSheet(Writer& w) {
    const Sheet sheet{workbook_add_worksheet(w.workbook, "Loading the add-in"), "Loading the add-in"};
    const char* lines[] = {
        "How to load the Quorvex add-in into Microsoft Excel",
        "",
        "1. Take quorvex64.xll for 64-bit Excel or quorvex32.xll for 32-bit Excel (File > Account > About Excel "
        "tells which you have).",
        "2. In Excel choose File > Options > Add-ins; at Manage choose Excel Add-ins and press Go.",
        "3. Press Browse, open the .xll file and make sure its box is ticked. The add-in greets you with its name "
        "and build date.",
        "4. The functions are in the category \"Quorvex Equation of State\" of Insert Function; the last argument "
        "of each is the unit-system code 0 to 7 (sheet Units).",
        "5. Press Ctrl+Alt+F9 to recalculate this workbook with the add-in.",
        "",
        "The values stored in this workbook were computed by the same add-in, so it shows them before any "
        "recalculation and in programs without the add-in. Without the add-in a recalculation gives #NAME?.",
    };
    int row = 0;
    for (const char* line : lines) {
        text(sheet, row, 0, line, row == 0 ? w.title : nullptr);
        ++row;
    }
    worksheet_set_column(sheet.worksheet, 0, 0, 120, nullptr);
}

}  // namespace

bool writeDemoWorkbook(const std::string& path, const CellEvaluator& evaluate,
                       const std::vector<RegisteredFunction>& functions, std::vector<WrittenFormula>& written,
                       std::string& error) {
    written.clear();
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) {
        error = "cannot create " + path;
        return false;
    }
    Writer w{workbook, evaluate, written, workbook_add_format(workbook), workbook_add_format(workbook),
             workbook_add_format(workbook)};
    format_set_bold(w.bold);
    format_set_bold(w.title);
    format_set_font_size(w.title, 13);
    format_set_bold(w.header);
    format_set_align(w.header, LXW_ALIGN_RIGHT);
    format_set_bottom(w.header, LXW_BORDER_THIN);

    char title[] = "Quorvex demonstration workbook";
    char subject[] = "Saturation and isobar tables computed with the Quorvex add-in";
    char comments[] = "Written by quorvex workbook";
    lxw_doc_properties properties{};
    properties.title = title;
    properties.subject = subject;
    properties.comments = comments;
    workbook_set_properties(workbook, &properties);

    try {
        writeSaturationSheet(w);
        writeIsobarSheet(w);
        writeUnitsSheet(w);
        writeFunctionsSheet(w, functions);
        writeLoadingSheet(w);
    } catch (...) {
        workbook_close(workbook);
        std::remove(path.c_str());
        throw;
    }
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        error = "cannot write " + path + ": " + lxw_strerror(result);
        return false;
    }
    return true;
}
