#include <gtest/gtest.h>

#include <string>

#include "dialogs/DialogFields.h"
#include "dialogs/UserGridModel.h"

namespace korvo {
namespace {

// The window and the session read typed fields through these; the texts are what a user types.
TEST(DialogFields, ReadTypedTextsAsTheWindowDoes) {
    struct Case {
        std::string text;
        int integer;  // -1: refused
        std::string integerMessage;
    };
    const std::string range = "Please enter an integer between 2 and 255.";
    const Case cases[] = {{" 12 ", 12, ""},
                          {"+7", 7, ""},
                          {"+-7", -1, "Please enter an integer."},
                          {"", -1, "Please enter an integer."},
                          {"2.5", -1, "Please enter an integer."},
                          {"1", -1, range},
                          {"256", -1, range}};
    for (const Case& c : cases) {
        int value = -1;
        EXPECT_EQ(ReadIntegerField(c.text, 2, 255, value), c.integerMessage) << c.text;
        EXPECT_EQ(value, c.integer) << c.text;
    }
    float number = 0.0f;
    EXPECT_EQ(ReadNumberField(" +2.5e1 ", number), "");
    EXPECT_EQ(number, 25.0f);
    EXPECT_EQ(ReadNumberField("1e39", number), "Please enter a number.");
    EXPECT_EQ(ReadNumberField("inf", number), "Please enter a number.");
    EXPECT_EQ(ReadNumberField("-1", 0.0, 200.0, number),
              "Please enter a number between 0 and 200.");
    EXPECT_EQ(number, 25.0f);

    // A refusal names the field and keeps both values; "ok" checks the presets untyped.
    CUserGridModel grid(2.5f, 2.5f);
    const FieldCheck refused = grid.Accept("4", "-1");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, 1);
    EXPECT_EQ(refused->message, "Please enter a number between 0 and 1e+10.");
    EXPECT_EQ(grid.X(), 2.5f);
    EXPECT_FALSE(grid.Accept("4", "5"));
    EXPECT_EQ(grid.Y(), 5.0f);
    EXPECT_TRUE(CUserGridModel(-1.0f, 1.0f).Accept());
}

}  // namespace
}  // namespace korvo
