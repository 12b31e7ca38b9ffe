#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvo {

// A field that OK refused: which one (counted from 0 in the dialog's order) and the message that
// names what it accepts. The dialog stays open, so the user can type again.
struct FieldRefusal {
    int field = 0;
    std::string message;
};
using FieldCheck = std::optional<FieldRefusal>;

// How the dialogs read a field's text on OK: surrounding blanks and one leading '+' are allowed.
// Each answers the message the dialog shows, or an empty text when the field is taken (and only
// then is `value` set).
std::string ReadIntegerField(std::string_view text, int low, int high, int& value);
// Any number a float can hold.
std::string ReadNumberField(std::string_view text, float& value);
std::string ReadNumberField(std::string_view text, double low, double high, float& value);
// The same checks of a value that was not typed (OK on the preset as it stands).
std::string CheckIntegerRange(int value, int low, int high);
std::string CheckNumberRange(float value, double low, double high);

// A refusal of field `field` when `message` is not empty.
FieldCheck RefuseField(int field, std::string message);

}  // namespace korvo
