#include "platform/Message.h"

#include <fmt/args.h>
#include <fmt/printf.h>

#include "resources/StringTable.h"

namespace korvo {

std::string_view FixedTextOf(FixedText id) {
    switch (id) {
        case FixedText::FontFileNotFound:
            return "Font file %s not found !";
        case FixedText::ErrorCreatingFontFile:
            return "Error creating Font-file";
        case FixedText::NeitherLineNorEllipse:
            return "Global error: neither line nor ellipse !!!";
        case FixedText::OneIsNeitherLineNorEllipse:
            return "Global error: at least one is neither line nor ellipse !!!";
        case FixedText::ErrorCreatingDeviceContext:
            return "Error creating compatible device context !!!";
        case FixedText::ErrorStoringBackgroundBitmap:
            return "Error storing background bitmap !!!";
        case FixedText::FontFileDamaged:
            return "Font file %s is damaged: character record %d (byte offset %d) %s.\nThe %d "
                   "characters before it were read; the rest of the file was left out.";
        case FixedText::FontFileCutShort:
            return "Font file %s is damaged: it ends after %d bytes, without its end block.\nThe "
                   "%d characters in it were read; anything after them is missing.";
        case FixedText::FontFileNotSaved:
            return "The font cannot be saved as %s:\n%s.\nNothing was written and your changes "
                   "are kept; choose another place with Save As.";
        case FixedText::DrawingDataDamaged:
            return "The drawing data offered is damaged: %s (byte offset %d).\nNothing of it "
                   "was added.";
        case FixedText::None:
            break;
    }
    return {};
}

namespace {

std::string FormatOf(const MessageId& id) {
    if (id.stringId == 0) {
        return std::string(FixedTextOf(id.fixed));
    }
    const std::string_view text = LoadString(id.stringId);
    if (text.empty()) {
        return "String " + std::to_string(id.stringId);
    }
    return std::string(text);
}

}  // namespace

std::string FormatMessageText(const MessageRequest& request) {
    const std::string format = FormatOf(request.id);
    if (request.args.empty()) {
        return format;
    }
    fmt::dynamic_format_arg_store<fmt::printf_context> store;
    for (const MessageArg& arg : request.args) {
        std::visit([&store](const auto& value) { store.push_back(value); }, arg);
    }
    try {
        return fmt::vsprintf(fmt::string_view(format), store);
    } catch (const std::exception&) {
        // A format that does not fit its arguments is still worth showing as it stands.
        return format;
    }
}

}  // namespace korvo
