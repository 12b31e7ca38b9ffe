#pragma once

#include <string_view>

#include "dialogs/DialogFields.h"

namespace korvo {

// One whole number within a range, typed into one field: the character dialog's code and the
// convert-to-lines dialog's count.
class CCodeModel {
public:
    CCodeModel(int value, int minimum, int maximum)
        : value_(value), minimum_(minimum), maximum_(maximum) {}
    int Value() const { return value_; }

    // OK with the field's text.
    FieldCheck Accept(std::string_view text) {
        return RefuseField(0, ReadIntegerField(text, minimum_, maximum_, value_));
    }
    // OK with the value as it stands.
    FieldCheck Accept() const {
        return RefuseField(0, CheckIntegerRange(value_, minimum_, maximum_));
    }

private:
    int value_;
    int minimum_;
    int maximum_;
};

// "Select Char": the code under which a drawing is stored or from which one is loaded; -1 when
// there is no character yet.
struct CharCodes {
    static constexpr int kFirst = 33;
    static constexpr int kLast = 255;
    static CCodeModel Model(int code) { return {code, kFirst, kLast}; }
};

// How many lines each circle, arc or ellipse becomes before a drawing is stored.
struct LineCounts {
    static constexpr int kFewest = 2;
    static constexpr int kMost = 255;
    // What the button for the most lines answers, whatever the field holds.
    static constexpr int kAsManyAsFit = 0;
    static CCodeModel Model(int count) { return {count, kFewest, kMost}; }
};

}  // namespace korvo
