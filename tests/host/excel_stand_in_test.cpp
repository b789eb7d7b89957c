#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "host/excel_state.h"
#include "tests/host/xloper_records.h"
#include "worksheet/xloper.h"

namespace {

// Records for one xlfRegister call, built from plain texts.
struct RegisterCall {
    std::vector<std::vector<unsigned char>> texts;
    std::vector<XLOPER> records;
    std::vector<XLOPER*> slots;
};

RegisterCall registerCallOf(const std::vector<std::string>& values) {
    RegisterCall call;
    for (const std::string& value : values) {
        std::vector<unsigned char> counted(value.size() + 1);
        counted[0] = static_cast<unsigned char>(value.size());
        for (std::size_t i = 0; i < value.size(); ++i) {
            counted[i + 1] = static_cast<unsigned char>(value[i]);
        }
        call.texts.push_back(counted);
    }
    for (auto& text : call.texts) {
        call.records.push_back(stringRecord(text.data()));
    }
    for (XLOPER& record : call.records) {
        call.slots.push_back(&record);
    }
    return call;
}

std::vector<std::string> valuesOf(const std::string& type, const std::string& arguments,
                                  int helps) {
    std::vector<std::string> values = {"/lib/addin.so", "Proc", type, "Func", arguments, "1",
                                       "Category", "", "", "function help"};
    for (int i = 0; i < helps; ++i) {
        values.push_back("help " + std::to_string(i + 1));
    }
    return values;
}

int callRegister(RegisterCall& call, XLOPER* result) {
    return Excel4v(xlfRegister, result, static_cast<int>(call.slots.size()), call.slots.data());
}

class ExcelStandInTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvExcelSetModulePath("/lib/addin.so");
        qvExcelReset();
    }
};

TEST_F(ExcelStandInTest, RegisterAcceptsMatchingValuesAndRecordsThem) {
    RegisterCall call = registerCallOf(valuesOf("RBJ", "x,units", 2));
    XLOPER result = {};
    ASSERT_EQ(callRegister(call, &result), xlretSuccess);
    EXPECT_EQ(result.xltype, xltypeNum);
    EXPECT_EQ(result.val.num, 1);
    ASSERT_EQ(qvExcelRegistrationCount(), 1);
    EXPECT_EQ(qvExcelRegistrationValueCount(0), 12);
    EXPECT_STREQ(qvExcelRegistrationValue(0, 1), "/lib/addin.so");
    EXPECT_STREQ(qvExcelRegistrationValue(0, 3), "RBJ");
    EXPECT_STREQ(qvExcelRegistrationValue(0, 12), "help 2");
    EXPECT_EQ(qvExcelRegistrationValue(0, 13), nullptr);
    EXPECT_EQ(qvExcelRegistrationValue(1, 1), nullptr);
    EXPECT_EQ(qvExcelRegistrationValue(0, 0), nullptr);
}

TEST_F(ExcelStandInTest, RegisterRefusesValuesThatDoNotFit) {
    struct Case {
        const char* what;
        std::vector<std::string> values;
        int code;
    };
    std::vector<std::string> nine = valuesOf("R", "", 0);
    nine.pop_back();
    const Case cases[] = {
        {"nine values", nine, xlretInvCount},
        {"type without R", valuesOf("BBJ", "x,y", 2), xlretFailed},
        {"unknown code", valuesOf("RBX", "x,y", 2), xlretFailed},
        {"more codes than names", valuesOf("RBBJ", "x,y", 2), xlretFailed},
        {"fewer codes than names", valuesOf("RB", "x,y", 1), xlretFailed},
        {"a help missing", valuesOf("RBJ", "x,y", 1), xlretInvCount},
        {"a help too many", valuesOf("RBJ", "x,y", 3), xlretInvCount},
        {"no arguments but a help", valuesOf("R", "", 1), xlretInvCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegisterCall call = registerCallOf(c.values);
        XLOPER result = {};
        EXPECT_EQ(callRegister(call, &result), c.code);
        EXPECT_STRNE(qvExcelLastRejection(), "");
    }
    EXPECT_EQ(qvExcelRegistrationCount(), 0);
    EXPECT_EQ(qvExcelRegisterCalls(), 8);
}

TEST_F(ExcelStandInTest, RegisterTakesTwentyHelpsForMoreThanTwentyArguments) {
    std::string type = "R" + std::string(24, 'B');
    std::string names = "a";
    for (int i = 1; i < 24; ++i) {
        names += ",a";
    }
    for (int helps : {20, 24}) {
        RegisterCall call = registerCallOf(valuesOf(type, names, helps));
        EXPECT_EQ(callRegister(call, nullptr), xlretSuccess) << helps << " helps";
    }
    RegisterCall call = registerCallOf(valuesOf(type, names, 21));
    EXPECT_EQ(callRegister(call, nullptr), xlretInvCount);
}

TEST_F(ExcelStandInTest, RegisterRefusesAValueThatIsNotAString) {
    RegisterCall call = registerCallOf(valuesOf("RBJ", "x,units", 2));
    call.records[6].xltype = xltypeInt;
    EXPECT_EQ(callRegister(call, nullptr), xlretInvXloper);
    EXPECT_EQ(qvExcelRegistrationCount(), 0);
}

TEST_F(ExcelStandInTest, InjectedRegisterFailureHitsOnlyTheKthCall) {
    qvExcelFailRegisterCall(2);
    RegisterCall call = registerCallOf(valuesOf("RBJ", "x,units", 2));
    EXPECT_EQ(callRegister(call, nullptr), xlretSuccess);
    EXPECT_NE(callRegister(call, nullptr), xlretSuccess);
    EXPECT_EQ(callRegister(call, nullptr), xlretSuccess);
    EXPECT_EQ(qvExcelRegistrationCount(), 2);
    EXPECT_EQ(qvExcelRegisterCalls(), 3);
}

TEST_F(ExcelStandInTest, NamesAreCountedStringsOwnedUntilFreed) {
    qvExcelSetModulePath("/opt/x/libquorvex.so");
    XLOPER first = {};
    XLOPER second = {};
    ASSERT_EQ(Excel4(xlGetName, &first, 0), xlretSuccess);
    ASSERT_EQ(Excel4(xlGetName, &second, 0), xlretSuccess);
    ASSERT_EQ(first.xltype, xltypeStr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(first.val.str + 1), first.val.str[0]),
              "/opt/x/libquorvex.so");
    EXPECT_NE(first.val.str, second.val.str);
    EXPECT_EQ(qvExcelNamesHandedOut(), 2);
    EXPECT_EQ(qvExcelNamesOutstanding(), 2);
    EXPECT_EQ(Excel4(xlFree, nullptr, 1, &first), xlretSuccess);
    EXPECT_EQ(qvExcelNamesOutstanding(), 1);
    // Giving the same name back twice, or a string the stand-in never
    // handed out, is a fault of the caller.
    EXPECT_NE(Excel4(xlFree, nullptr, 1, &first), xlretSuccess);
    unsigned char own[] = "\x03own";
    XLOPER foreign = stringRecord(own);
    EXPECT_NE(Excel4(xlFree, nullptr, 1, &foreign), xlretSuccess);
    EXPECT_EQ(qvExcelForeignFrees(), 2);
    EXPECT_EQ(Excel4(xlFree, nullptr, 1, &second), xlretSuccess);
    EXPECT_EQ(qvExcelNamesOutstanding(), 0);
}

TEST_F(ExcelStandInTest, AlertsAreRecordedWithTheirType) {
    unsigned char text[] = "\x05hello";
    XLOPER message = stringRecord(text);
    XLOPER type = integerRecord(3);
    EXPECT_EQ(Excel4(xlcAlert, nullptr, 2, &message, &type), xlretSuccess);
    EXPECT_EQ(Excel4(xlcAlert, nullptr, 1, &message), xlretSuccess);
    XLOPER number = numberRecord(2);
    EXPECT_EQ(Excel4(xlcAlert, nullptr, 1, &number), xlretInvXloper);
    ASSERT_EQ(qvExcelAlertCount(), 2);
    EXPECT_STREQ(qvExcelAlertText(0), "hello");
    EXPECT_EQ(qvExcelAlertType(0), 3);
    EXPECT_EQ(qvExcelAlertType(1), 2);
    EXPECT_EQ(qvExcelAlertText(2), nullptr);
}

TEST_F(ExcelStandInTest, CoerceGivesIntegersFromNumbersAndNumericText) {
    unsigned char twelve[] = "\x05 12 ";
    unsigned char word[] = "\x03one";
    unsigned char empty[] = "\x00";
    struct Case {
        const char* what;
        XLOPER item;
        bool converts;
        int16_t integer;
    };
    XLOPER logical = {};
    logical.val.xbool = 1;
    logical.xltype = xltypeBool;
    XLOPER nil = {};
    nil.xltype = xltypeNil;
    const Case cases[] = {
        {"1", numberRecord(1), true, 1},
        {"2.7 toward zero", numberRecord(2.7), true, 2},
        {"-1.5 toward zero", numberRecord(-1.5), true, -1},
        {"integer", integerRecord(-7), true, -7},
        {"TRUE", logical, true, 1},
        {"numeric text", stringRecord(twelve), true, 12},
        {"other text", stringRecord(word), false, 0},
        {"empty text", stringRecord(empty), false, 0},
        {"too large", numberRecord(40000), false, 0},
        {"nan", numberRecord(std::numeric_limits<double>::quiet_NaN()), false, 0},
        {"nil", nil, false, 0},
    };
    XLOPER target = integerRecord(static_cast<int16_t>(xltypeInt));
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        XLOPER result = {};
        int code = Excel4(xlCoerce, &result, 2, &c.item, &target);
        if (c.converts) {
            ASSERT_EQ(code, xlretSuccess);
            EXPECT_EQ(result.xltype, xltypeInt);
            EXPECT_EQ(result.val.w, c.integer);
        } else {
            EXPECT_NE(code, xlretSuccess);
        }
    }
}

TEST_F(ExcelStandInTest, CoerceFaultsCanBeInjected) {
    XLOPER one = numberRecord(1);
    XLOPER target = integerRecord(static_cast<int16_t>(xltypeInt));
    XLOPER result = {};
    qvExcelSetCoerceMode(qvCoerceFails);
    EXPECT_NE(Excel4(xlCoerce, &result, 2, &one, &target), xlretSuccess);
    EXPECT_EQ(result.xltype, 0);
    qvExcelSetCoerceMode(qvCoerceAnswersNumber);
    EXPECT_EQ(Excel4(xlCoerce, &result, 2, &one, &target), xlretSuccess);
    EXPECT_EQ(result.xltype, xltypeNum);
    qvExcelReset();
    EXPECT_EQ(Excel4(xlCoerce, &result, 2, &one, &target), xlretSuccess);
    EXPECT_EQ(result.xltype, xltypeInt);
}

TEST_F(ExcelStandInTest, UnknownFunctionNumbersAndCountsAreRefused) {
    XLOPER result = {};
    EXPECT_EQ(Excel4(0x4001, &result, 0), xlretInvXlfn);
    EXPECT_EQ(Excel4(xlfRegister + 1, &result, 0), xlretInvXlfn);
    EXPECT_EQ(Excel4v(xlGetName, &result, -1, nullptr), xlretInvCount);
    EXPECT_EQ(Excel4(xlGetName, &result, 1, &result), xlretInvCount);
    EXPECT_EQ(qvExcelNamesHandedOut(), 0);
}

}  // namespace
