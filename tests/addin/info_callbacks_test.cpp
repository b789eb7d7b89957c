#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "addin/callbacks.h"
#include "host/excel_state.h"
#include "tests/host/xloper_records.h"

namespace {

std::string countedText(const unsigned char* counted) {
    return std::string(reinterpret_cast<const char*>(counted + 1), counted[0]);
}

class InfoCallbacksTest : public ::testing::Test {
protected:
    void SetUp() override { qvExcelReset(); }
};

TEST_F(InfoCallbacksTest, BuildMessagesCarryNameEventDateAndTime) {
    char buffer[256];
    unsigned char* added = formatBuildMessage(buffer, 256, "Loaded!", "Mar 26 2022", "10:10:10");
    EXPECT_EQ(added, reinterpret_cast<unsigned char*>(buffer));
    EXPECT_EQ(added[0], 66);
    EXPECT_EQ(countedText(added), "Quorvex Equation of State Loaded!\nbuilt on Mar 26 2022 at 10:10:10");
    unsigned char* removed = formatBuildMessage(buffer, 256, "Removed!", "Mar 26 2022", "10:10:10");
    EXPECT_EQ(removed[0], 67);
    EXPECT_EQ(countedText(removed), "Quorvex Equation of State Removed!\nbuilt on Mar 26 2022 at 10:10:10");
}

TEST_F(InfoCallbacksTest, BuildMessageIsCutToItsBuffer) {
    char buffer[40];
    std::memset(buffer, '#', sizeof buffer);
    unsigned char* message = formatBuildMessage(buffer, 32, "Loaded!", "Mar 26 2022", "10:10:10");
    EXPECT_EQ(message[0], 30);
    EXPECT_EQ(countedText(message), "Quorvex Equation of State Load");
    for (std::size_t i = 32; i < sizeof buffer; ++i) {
        EXPECT_EQ(buffer[i], '#') << "byte " << i << " past the buffer was written";
    }
    // A buffer with room for the length byte alone holds an empty text.
    buffer[1] = '#';
    EXPECT_EQ(formatBuildMessage(buffer, 1, "Loaded!", "Mar 26 2022", "10:10:10")[0], 0);
    EXPECT_EQ(buffer[1], '#');
}

TEST_F(InfoCallbacksTest, AddAndRemoveAlertTheirBuild) {
    const std::string name = "Quorvex Equation of State";
    const std::string built = "\nbuilt on " + std::string(__DATE__) + " at ";
    EXPECT_EQ(xlAutoAdd(), 1);
    EXPECT_EQ(xlAutoRemove(), 1);
    ASSERT_EQ(qvExcelAlertCount(), 2);
    std::string added = qvExcelAlertText(0);
    std::string removed = qvExcelAlertText(1);
    EXPECT_EQ(added.size(), 66u);
    EXPECT_EQ(removed.size(), 67u);
    EXPECT_EQ(added.substr(0, name.size() + built.size() + 8), name + " Loaded!" + built);
    EXPECT_EQ(removed.substr(0, name.size() + built.size() + 9), name + " Removed!" + built);
    EXPECT_EQ(added.substr(58, 8), removed.substr(59, 8));
    EXPECT_EQ(added[60], ':');
    EXPECT_EQ(qvExcelAlertType(0), 2);
    EXPECT_EQ(qvExcelAlertType(1), 2);
}

TEST_F(InfoCallbacksTest, ManagerInfoNamesTheAddinOnlyForItemOne) {
    unsigned char one[] = "\x01" "1";
    unsigned char word[] = "\x04name";
    struct Case {
        const char* what;
        XLOPER item;
        bool named;
    };
    const Case cases[] = {
        {"number 1", numberRecord(1), true},
        {"integer 1", integerRecord(1), true},
        {"text 1", stringRecord(one), true},
        {"number 2", numberRecord(2), false},
        {"number 0", numberRecord(0), false},
        {"text that is no number", stringRecord(word), false},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        XLOPER* answer = xlAddInManagerInfo(&c.item);
        ASSERT_NE(answer, nullptr);
        if (c.named) {
            ASSERT_EQ(answer->xltype, xltypeStr);
            EXPECT_EQ(answer->val.str, g_addinName);
            EXPECT_EQ(answer->val.str[0], 25);
        } else {
            ASSERT_EQ(answer->xltype, xltypeErr);
            EXPECT_EQ(answer->val.err, xlerrValue);
        }
    }
}

// After an item that coerced to 1, a failed coercion must not answer with
// the name again from what the earlier one left behind.
TEST_F(InfoCallbacksTest, ManagerInfoAnswersValueErrorWhenCoercionFails) {
    XLOPER one = numberRecord(1);
    ASSERT_EQ(xlAddInManagerInfo(&one)->xltype, xltypeStr);
    for (int mode : {qvCoerceFails, qvCoerceAnswersNumber}) {
        SCOPED_TRACE(mode);
        qvExcelSetCoerceMode(mode);
        XLOPER* answer = xlAddInManagerInfo(&one);
        ASSERT_EQ(answer->xltype, xltypeErr);
        EXPECT_EQ(answer->val.err, xlerrValue);
    }
}

TEST_F(InfoCallbacksTest, AutoRegisterAlwaysAnswersValueError) {
    XLOPER number = numberRecord(1);
    XLOPER* first = xlAutoRegister(&number);
    XLOPER* second = xlAutoRegister(nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->xltype, xltypeErr);
    EXPECT_EQ(first->val.err, xlerrValue);
}

TEST_F(InfoCallbacksTest, AutoCloseAnswersOneAndAlertsNothing) {
    EXPECT_EQ(xlAutoClose(), 1);
    EXPECT_EQ(qvExcelAlertCount(), 0);
}

}  // namespace
