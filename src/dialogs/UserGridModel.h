#pragma once

#include <string_view>

#include "dialogs/DialogFields.h"
#include "platform/DialogHost.h"

namespace korvo {

// "Set user grid size": any grid spacing within 0 ... 1e10, the same or different along x and y.
class CUserGridModel {
public:
    static constexpr double kMinimum = kUserGridMin;
    static constexpr double kMaximum = kUserGridMax;

    CUserGridModel(float x, float y) : x_(x), y_(y) {}
    float X() const { return x_; }
    float Y() const { return y_; }

    // OK with the texts of the X and Y fields: both taken, or neither.
    FieldCheck Accept(std::string_view x, std::string_view y);
    // OK with the spacings as they stand.
    FieldCheck Accept() const;

private:
    float x_;
    float y_;
};

}  // namespace korvo
