#include "dialogs/UserGridModel.h"

namespace korvo {

FieldCheck CUserGridModel::Accept(std::string_view x, std::string_view y) {
    float readX = 0.0f;
    float readY = 0.0f;
    if (FieldCheck refused = RefuseField(0, ReadNumberField(x, kMinimum, kMaximum, readX))) {
        return refused;
    }
    if (FieldCheck refused = RefuseField(1, ReadNumberField(y, kMinimum, kMaximum, readY))) {
        return refused;
    }
    x_ = readX;
    y_ = readY;
    return std::nullopt;
}

FieldCheck CUserGridModel::Accept() const {
    if (FieldCheck refused = RefuseField(0, CheckNumberRange(x_, kMinimum, kMaximum))) {
        return refused;
    }
    return RefuseField(1, CheckNumberRange(y_, kMinimum, kMaximum));
}

}  // namespace korvo
