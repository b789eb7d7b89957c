#include "host/table_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

PropertyTable smallTable(int32_t units) {
    PropertyTable t;
    t.units = units;
    t.columns = {{"T", Quantity::Temperature}, {"V", Quantity::Volume}, {"Z", Quantity::Compressibility}};
    t.rows = {{25, 0.1, 0.987654321987}, {-7.5, 12.25, 1.0 / 3}};
    return t;
}

TEST(TableFormat, HeadersCarryTheUnitsOfTheChosenSystem) {
    struct Case {
        Quantity quantity;
        int32_t units;
        const char* header;
    };
    const Case cases[] = {
        {Quantity::Temperature, 0, "X (°F)"},     {Quantity::Temperature, 1, "X (°C)"},
        {Quantity::Temperature, 3, "X (K)"},      {Quantity::Temperature, 7, "X (°F)"},
        {Quantity::Pressure, 2, "X (psig)"},      {Quantity::Pressure, 4, "X (kPa)"},
        {Quantity::Pressure, 6, "X (kgf/cm²)"},   {Quantity::Volume, 2, "X (ft³/lbm)"},
        {Quantity::Volume, 5, "X (m³/kg)"},       {Quantity::Enthalpy, 3, "X (kJ/kg)"},
        {Quantity::Enthalpy, 6, "X (kcal/kg)"},   {Quantity::Entropy, 0, "X (Btu/(lbm·°R))"},
        {Quantity::Entropy, 5, "X (kcal/(kg·K))"}, {Quantity::Compressibility, 1, "X"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(columnHeaderOf({"X", c.quantity}, c.units), c.header) << c.units;
}

TEST(TableFormat, CsvKeepsRoundTripPrecision) {
    EXPECT_EQ(formatTable(smallTable(1), TableFormat::Csv),
              "T (°C),V (m³/kg),Z\n"
              "25,0.10000000000000001,0.98765432198699998\n"
              "-7.5,12.25,0.33333333333333331\n");
}

TEST(TableFormat, MarkdownHasAHeaderRuleAndSixDigits) {
    EXPECT_EQ(formatTable(smallTable(0), TableFormat::Markdown),
              "| T (°F) | V (ft³/lbm) | Z |\n"
              "| ---: | ---: | ---: |\n"
              "| 25 | 0.1 | 0.987654 |\n"
              "| -7.5 | 12.25 | 0.333333 |\n");
}

TEST(TableFormat, TextAlignsColumnsByDisplayWidth) {
    PropertyTable t = smallTable(1);
    t.noteHeader = "phase";
    t.notes = {"liquid", "vapor"};
    // "°" and "³" are two bytes but one column each.
    EXPECT_EQ(formatTable(t, TableFormat::Text),
              "T (°C)  V (m³/kg)         Z  phase\n"
              "    25        0.1  0.987654  liquid\n"
              "  -7.5      12.25  0.333333  vapor\n");
}

TEST(TableFormat, NonFiniteNumbersAndQuotedCsvFields) {
    PropertyTable t;
    t.columns = {{"P", Quantity::Pressure}};
    t.rows = {{std::numeric_limits<double>::infinity()}, {std::nan("")}};
    t.noteHeader = "note";
    t.notes = {"a, b", "say \"x\""};
    EXPECT_EQ(formatTable(t, TableFormat::Csv), "P (psia),note\ninf,\"a, b\"\nnan,\"say \"\"x\"\"\"\n");
}

TEST(TableFormat, FormatNames) {
    TableFormat f = TableFormat::Text;
    EXPECT_TRUE(tableFormatOfName("csv", f));
    EXPECT_EQ(f, TableFormat::Csv);
    EXPECT_TRUE(tableFormatOfName("md", f));
    EXPECT_EQ(f, TableFormat::Markdown);
    EXPECT_TRUE(tableFormatOfName("text", f));
    EXPECT_EQ(f, TableFormat::Text);
    EXPECT_FALSE(tableFormatOfName("CSV", f));
    EXPECT_FALSE(tableFormatOfName("xlsx", f));
}

}  // namespace
