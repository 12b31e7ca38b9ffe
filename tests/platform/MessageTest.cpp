// Messages by identity and the text a host shows for them.
#include <gtest/gtest.h>

#include "platform/Message.h"
#include "resources/StringTable.h"

namespace korvo {
namespace {

TEST(MessageTest, FormatsNumberedAndFixedMessagesWithTheirArguments) {
    const struct {
        MessageRequest request;
        std::string text;
    } cases[] = {
        {{MessageId::String(IDS_ELEMENT_COUNT), {7LL}}, "Elements = 7  (< 256)"},
        {{MessageId::String(IDS_STATUS_LINE), {1.26, -3.0, 359.96, 10.04}},
         "X = 1.3 Y = -3.0 A = 360.0 L = 10.0"},
        {{MessageId::Fixed(FixedText::FontFileNotFound), {std::string("a.dat")}},
         "Font file a.dat not found !"},
        // A number the table lacks still says which message it was.
        {{MessageId::String(4711), {}}, "String 4711"},
        // Arguments that do not fit the format leave the format as it is.
        {{MessageId::String(IDS_ELEMENT_COUNT), {std::string("x")}}, "Elements = %d  (< 256)"},
        {{MessageId::String(IDS_STATUS_POINT), {1.0}}, "X = %.1f Y = %.1f"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatMessageText(c.request), c.text);
    }
}

}  // namespace
}  // namespace korvo
