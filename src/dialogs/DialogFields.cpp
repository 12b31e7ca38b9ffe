#include "dialogs/DialogFields.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>

namespace korvo {

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    text.remove_prefix(first);
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

// The digits of a field, blanks and a leading '+' (which from_chars does not take) removed.
std::string_view Number(std::string_view text) {
    text = Trimmed(text);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) {
        text.remove_prefix(1);
    }
    return text;
}

template <typename T>
bool Parse(std::string_view text, T& value) {
    const std::string_view digits = Number(text);
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    return !digits.empty() && error == std::errc() && end == last;
}

}  // namespace

std::string CheckIntegerRange(int value, int low, int high) {
    return value >= low && value <= high
               ? std::string()
               : fmt::format("Please enter an integer between {} and {}.", low, high);
}

std::string CheckNumberRange(float value, double low, double high) {
    // Six significant digits, as the dialogs write numbers into their fields.
    return value >= low && value <= high
               ? std::string()
               : fmt::format("Please enter a number between {:g} and {:g}.", low, high);
}

std::string ReadIntegerField(std::string_view text, int low, int high, int& value) {
    int read = 0;
    if (!Parse(text, read)) {
        return "Please enter an integer.";
    }
    std::string refusal = CheckIntegerRange(read, low, high);
    if (refusal.empty()) {
        value = read;
    }
    return refusal;
}

std::string ReadNumberField(std::string_view text, float& value) {
    double read = 0.0;
    if (!Parse(text, read) || !(std::fabs(read) <= std::numeric_limits<float>::max())) {
        return "Please enter a number.";
    }
    value = static_cast<float>(read);
    return {};
}

std::string ReadNumberField(std::string_view text, double low, double high, float& value) {
    float read = 0.0f;
    std::string refusal = ReadNumberField(text, read);
    if (refusal.empty()) {
        refusal = CheckNumberRange(read, low, high);
    }
    if (refusal.empty()) {
        value = read;
    }
    return refusal;
}

FieldCheck RefuseField(int field, std::string message) {
    if (message.empty()) {
        return std::nullopt;
    }
    return FieldRefusal{field, std::move(message)};
}

}  // namespace korvo
