#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvo {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Texts a user sees as they stand rather than by a string-table number.
enum class FixedText {
    None,
    FontFileNotFound,              // "Font file %s not found !"
    ErrorCreatingFontFile,         // "Error creating Font-file"
    NeitherLineNorEllipse,         // "Global error: neither line nor ellipse !!!"
    OneIsNeitherLineNorEllipse,    // "Global error: at least one is neither line nor ellipse !!!"
    ErrorCreatingDeviceContext,    // "Error creating compatible device context !!!"
    ErrorStoringBackgroundBitmap,  // "Error storing background bitmap !!!"
    FontFileDamaged,               // path, record, byte offset, reason, characters kept
    FontFileCutShort,              // path, bytes read, characters kept
    FontFileNotSaved,              // path, the system's reason
    DrawingDataDamaged             // reason, byte offset (dropped or pasted drawing data)
};

// The exact text of a fixed message (with its printf-style placeholders), empty for None.
std::string_view FixedTextOf(FixedText id);

// Which message: a string-table number, or a fixed text (then `stringId` is 0).
struct MessageId {
    int stringId = 0;
    FixedText fixed = FixedText::None;

    static constexpr MessageId String(int id) { return MessageId{id, FixedText::None}; }
    static constexpr MessageId Fixed(FixedText text) { return MessageId{0, text}; }
    friend bool operator==(const MessageId&, const MessageId&) = default;
};

// One argument of a message's placeholders, in order.
using MessageArg = std::variant<long long, double, std::string>;

// A question or notice for the user, by identity. Hosts that show text format it with
// FormatMessageText; hosts and tests that answer it compare `id`, never the text.
struct MessageRequest {
    MessageId id;
    std::vector<MessageArg> args;
    MessageButtons buttons = MessageButtons::Ok;
};

// The text a user reads: the message's format with its arguments put in, printf style ("%d",
// "%s", "%.1f" ...). A number the string table lacks gives "String <n>" rather than nothing;
// a malformed format gives the format unchanged.
std::string FormatMessageText(const MessageRequest& request);

}  // namespace korvo
