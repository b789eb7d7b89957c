// The demonstration workbook opened in a real spreadsheet program,
// LibreOffice Calc, headless. Calc cannot evaluate the add-in's functions,
// so what it shows for them can only be the values stored in the file:
//  - with recalculation on load set to "never", every add-in cell must show
//    the number `quorvex eval` gives for the same formula (its references
//    replaced by the values of the cells they name);
//  - with recalculation set to "always", the same cells show #NAME?, which
//    proves the numbers of the first run came from the file.
#include "host/workbook_write.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <algorithm>
#include <sstream>

#include "tests/host/loaded_addin.h"

namespace {

namespace fs = std::filesystem;

using Grid = std::vector<std::vector<std::string>>;

// One CSV line as LibreOffice writes it: fields separated by commas, text
// with commas or quotes in double quotes.
std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

Grid readCsv(const fs::path& path) {
    Grid grid;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) grid.push_back(csvFields(line));
    return grid;
}

// "$B$2" -> row 1, column 1.
bool cellPosition(std::string cell, size_t& row, size_t& column) {
    cell.erase(std::remove(cell.begin(), cell.end(), '$'), cell.end());
    if (cell.size() < 2 || cell[0] < 'A' || cell[0] > 'Z' || cell[1] < '0' || cell[1] > '9') return false;
    column = static_cast<size_t>(cell[0] - 'A');
    row = std::stoul(cell.substr(1)) - 1;
    return true;
}

std::string cellOf(const Grid& grid, const std::string& cell) {
    size_t row = 0, column = 0;
    if (!cellPosition(cell, row, column) || row >= grid.size() || column >= grid[row].size()) return "";
    return grid[row][column];
}

std::string runCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

// Converts every sheet of the workbook to CSV with a private LibreOffice
// profile whose recalculation mode for Excel files is `mode` (0 always,
// 1 never). Returns the grids by sheet name.
std::map<std::string, Grid> sheetsSeenByCalc(const fs::path& workbook, const fs::path& dir, int mode) {
    const fs::path profile = dir / ("profile-" + std::to_string(mode));
    fs::create_directories(profile / "user");
    std::ofstream(profile / "user" / "registrymodifications.xcu")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
           "<item oor:path=\"/org.openoffice.Office.Calc/Formula/Load\"><prop oor:name=\"OOXMLRecalcMode\" "
           "oor:op=\"fuse\"><value>"
        << mode << "</value></prop></item>\n</oor:items>\n";
    const fs::path out = dir / ("csv-" + std::to_string(mode));
    // Field separator, text delimiter, UTF-8, ..., and -1: every sheet to a
    // file of its own, named after the sheet.
    const std::string command = "soffice -env:UserInstallation=file://" + profile.string() +
                                " --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,"
                                "false,false,false,-1' --outdir '" + out.string() + "' '" + workbook.string() +
                                "' 2>&1";
    const std::string log = runCommand(command);
    std::map<std::string, Grid> sheets;
    const std::string stem = workbook.stem().string() + "-";
    if (fs::exists(out))
        for (const auto& entry : fs::directory_iterator(out)) {
            const std::string name = entry.path().stem().string();
            if (name.rfind(stem, 0) == 0) sheets[name.substr(stem.size())] = readCsv(entry.path());
        }
    if (sheets.empty()) ADD_FAILURE() << "LibreOffice wrote no sheets:\n" << log;
    return sheets;
}

// The formula with each cell reference replaced by the value of that cell:
// for a formula cell its stored value in round-trip precision (the add-in's
// results step with their bisections, so 15 digits of an argument are not
// enough), otherwise the text Calc shows, which is the typed number.
std::string withReferencesReplaced(const std::string& formula, const Grid& grid,
                                   const std::map<std::string, double>& stored) {
    // The workbook's formulas are Name(arg,arg,...) with each argument a
    // number or a cell reference.
    const size_t open = formula.find('(');
    std::string result = formula.substr(0, open + 1);
    std::string argument;
    auto flush = [&]() {
        size_t row = 0, column = 0;
        if (cellPosition(argument, row, column)) {
            std::string cell = argument;
            cell.erase(std::remove(cell.begin(), cell.end(), '$'), cell.end());
            const auto found = stored.find(cell);
            if (found != stored.end()) {
                char exact[32];
                std::snprintf(exact, sizeof exact, "%.17g", found->second);
                argument = exact;
            } else {
                argument = cellOf(grid, cell);
            }
        }
        result += argument;
        argument.clear();
    };
    for (size_t i = open + 1; i < formula.size(); ++i) {
        const char c = formula[i];
        if (c == ',' || c == ')') {
            flush();
            result += c;
        } else {
            argument += c;
        }
    }
    return result;
}

// Calc writes 15 significant digits: agreement within one unit of the 15th.
bool sameToFifteenDigits(double a, double b) {
    if (a == b) return true;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(b))) - 14);
    return std::fabs(a - b) <= unit;
}

TEST(Workbook, CalcShowsTheStoredValuesThatEvalGives) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0)
        FAIL() << "soffice not found: install Debian's libreoffice-calc-nogui";
    const fs::path dir = fs::temp_directory_path() / ("quorvex-workbook-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path workbook = dir / "demo.xlsx";
    std::vector<WrittenFormula> written;
    std::string error;
    ASSERT_TRUE(writeDemoWorkbook(workbook.string(), addinEvaluator(), loadedAddin().functions, written, error))
        << error;
    ASSERT_GT(written.size(), 300u);

    const auto sheets = sheetsSeenByCalc(workbook, dir, 1);
    for (const char* name : {"Saturation", "Isobar", "Units", "Functions", "Loading the add-in"})
        EXPECT_TRUE(sheets.count(name)) << name;

    // What each add-in cell shows, and the formula `quorvex eval` evaluates.
    std::map<std::string, std::map<std::string, double>> stored;
    for (const WrittenFormula& f : written) stored[f.sheet][f.cell] = f.value;
    std::vector<std::string> shown, formulas;
    for (const WrittenFormula& f : written) {
        const Grid& grid = sheets.at(f.sheet);
        shown.push_back(cellOf(grid, f.cell));
        formulas.push_back(withReferencesReplaced(f.formula, grid, stored.at(f.sheet)));
    }
    const fs::path input = dir / "formulas.txt";
    {
        std::ofstream out(input);
        for (const std::string& formula : formulas) out << formula << "\n";
    }
    std::istringstream results(runCommand(std::string(kToolPath) + " eval < '" + input.string() + "'"));
    for (size_t i = 0; i < written.size(); ++i) {
        std::string line;
        ASSERT_TRUE(std::getline(results, line)) << "eval gave fewer lines than formulas";
        const double evaluated = std::strtod(line.c_str(), nullptr);
        char* end = nullptr;
        const double seen = std::strtod(shown[i].c_str(), &end);
        ASSERT_TRUE(end != shown[i].c_str() && *end == '\0')
            << written[i].sheet << "!" << written[i].cell << " shows \"" << shown[i] << "\"";
        EXPECT_TRUE(sameToFifteenDigits(seen, evaluated))
            << written[i].sheet << "!" << written[i].cell << " =" << written[i].formula << " shows " << shown[i]
            << ", eval of " << formulas[i] << " gives " << line;
        EXPECT_TRUE(sameToFifteenDigits(written[i].value, evaluated)) << formulas[i];
    }

    // The units row follows the code cell through the Units sheet.
    EXPECT_EQ(cellOf(sheets.at("Saturation"), "B6"), "bar");
    EXPECT_EQ(cellOf(sheets.at("Saturation"), "C2"), "°C, bar, m³/kg, kJ/kg, kJ/(kg·K)");
    EXPECT_EQ(cellOf(sheets.at("Saturation"), "A5"), "T");

    // Recalculated on load, the add-in's cells cannot be computed by Calc.
    const auto recalculated = sheetsSeenByCalc(workbook, dir, 0);
    for (const WrittenFormula& f : written)
        EXPECT_EQ(cellOf(recalculated.at(f.sheet), f.cell), "#NAME?") << f.sheet << "!" << f.cell;
    EXPECT_EQ(cellOf(recalculated.at("Saturation"), "B6"), "bar");
    fs::remove_all(dir);
}

TEST(Workbook, FormulasNameTheFunctionsPlainly) {
    const fs::path dir = fs::temp_directory_path() / ("quorvex-workbook-xml-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path workbook = dir / "demo.xlsx";
    std::vector<WrittenFormula> written;
    std::string error;
    ASSERT_TRUE(writeDemoWorkbook(workbook.string(), addinEvaluator(), loadedAddin().functions, written, error));
    const std::string xml = runCommand("unzip -p '" + workbook.string() + "' xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("<f>Psat(A7,$B$2)</f>"), std::string::npos) << xml.substr(0, 2000);
    EXPECT_EQ(xml.find("_xludf"), std::string::npos);
    EXPECT_EQ(xml.find("_xlfn"), std::string::npos);
    // Sheet 1 is the saturation table: its first add-in formula and value.
    EXPECT_EQ(written.front().sheet, "Saturation");
    EXPECT_EQ(written.front().cell, "B7");
    EXPECT_EQ(written.front().formula, "Psat(A7,$B$2)");
    fs::remove_all(dir);
}

TEST(Workbook, AnUnwritablePathIsAnError) {
    std::vector<WrittenFormula> written;
    std::string error;
    EXPECT_FALSE(writeDemoWorkbook("/nonexistent-dir/demo.xlsx", addinEvaluator(), loadedAddin().functions, written,
                                   error));
    EXPECT_NE(error.find("/nonexistent-dir/demo.xlsx"), std::string::npos) << error;
}

}  // namespace
