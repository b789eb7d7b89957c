#include "host/table_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/host/fake_fluid.h"

namespace {

struct TableRun {
    int status;
    std::string out, err;
};

TableRun runTable(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runTableCommand(args, fake::evaluator(), out, err);
    return {status, out.str(), err.str()};
}

TEST(TableCommand, WritesTheChosenFormat) {
    const TableRun csv = runTable({"saturation", "--from", "0", "--to", "100", "--step", "50", "--format", "csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "T (°F),Psat (psia),Vf (ft³/lbm),Vg (ft³/lbm),Hf (Btu/lbm),Hg (Btu/lbm),Hfg (Btu/lbm),"
              "Sf (Btu/(lbm·°R)),Sg (Btu/(lbm·°R))");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 4);

    const TableRun md = runTable({"isobar", "--pressure=100", "--from=-60", "--to=0", "--step=20", "--units=1",
                             "--format=md"});
    ASSERT_EQ(md.status, 0) << md.err;
    EXPECT_EQ(md.out.substr(0, md.out.find('\n')), "| T (°C) | V (m³/kg) | H (kJ/kg) | S (kJ/(kg·K)) | Z | phase |");

    const TableRun byP = runTable({"saturation", "--by", "pressure", "--from", "10", "--to", "20", "--step", "10"});
    ASSERT_EQ(byP.status, 0) << byP.err;
    EXPECT_EQ(byP.out.find("P (psia)  Tsat (°F)"), 0u) << byP.out;
}

TEST(TableCommand, UsageErrorsExitWithStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        const char* reasonContains;
    };
    const Case cases[] = {
        {{}, "name one table"},
        {{"superheat", "--from", "0", "--to", "1", "--step", "1"}, "unknown table"},
        {{"saturation", "--to", "1", "--step", "1"}, "missing --from"},
        {{"saturation", "--from", "0", "--to", "1", "--step", "0"}, "must not be zero"},
        {{"saturation", "--from", "0", "--to", "10", "--step", "-1"}, "points away"},
        {{"saturation", "--from", "0", "--to", "1e9", "--step", "1"}, "at most 100000"},
        {{"saturation", "--from", "x", "--to", "1", "--step", "1"}, "wants a number"},
        {{"saturation", "--from", "0", "--to", "1", "--step", "1", "--units", "9"}, "0 to 7"},
        {{"saturation", "--from", "0", "--to", "1", "--step", "1", "--format", "xls"}, "csv, md or text"},
        {{"saturation", "--from", "0", "--to", "1", "--step", "1", "--by", "volume"}, "--by wants"},
        {{"saturation", "--from", "0", "--to", "1", "--step", "1", "--colour", "red"}, "unknown option"},
        {{"saturation", "--from", "0", "--to", "400", "--step", "100"}, "off the saturation line"},
        {{"isobar", "--from", "0", "--to", "1", "--step", "1"}, "missing --pressure"},
        {{"isobar", "--pressure", "1", "--from", "0", "--to", "1", "--step", "1", "--by", "pressure"},
         "belongs to the saturation"},
        {{"saturation", "--from", "0", "--from", "1", "--to", "1", "--step", "1"}, "given twice"},
        {{"saturation", "--from"}, "needs a value"},
    };
    for (const Case& c : cases) {
        const TableRun run = runTable(c.args);
        EXPECT_EQ(run.status, 2) << c.reasonContains;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(c.reasonContains), std::string::npos) << run.err;
    }
}

}  // namespace
