#pragma once

#include <cstdint>

#include "geometry/PlaneGeometry.h"
#include "platform/DrawContext.h"
#include "platform/KeyCodes.h"

namespace korvo {

// What a pointer event is.
enum class PointerKind : std::uint8_t { Press, Release, DoubleClick, Move };

enum class MouseButton : std::uint8_t { None, Left, Right, Middle };

// The modifier keys and mouse buttons held while an event happened.
struct InputState {
    bool shift = false;
    bool control = false;
    bool leftHeld = false;
    bool rightHeld = false;
    bool middleHeld = false;
};

// A pointer event as the window reports it: what happened, with which button, what was held,
// and where (client pixels). The window, the session and the tests build it once at their edge.
struct PointerInput {
    PointerKind kind = PointerKind::Move;
    MouseButton button = MouseButton::None;
    InputState state;
    DevicePoint pixel{0, 0};
};

// A pointer event as a tool receives it: the input with its point in world units, raw and
// snapped (to a point of the drawing, else to the grid when that is on). Both are worked out
// once by the view.
struct ToolEvent {
    PointerInput input;
    PointF world{0.0f, 0.0f};
    PointF snapped{0.0f, 0.0f};
    // The kind of drawing point `snapped` lies on (kSnap... of model/Paper.h), 0 for none.
    int snapHit = 0;

    const InputState& State() const { return input.state; }
    DevicePoint Pixel() const { return input.pixel; }
};

// The keys the tools react to; every other key is Other.
enum class Key : std::uint8_t {
    Other,
    Escape,
    Space,
    Control,
    Shift,
    Delete,
    Add,       // keypad +
    Subtract,  // keypad -
    Multiply,  // keypad *
    Divide,    // keypad /
    Oem102,    // the key between left Shift and Z on European keyboards
};

struct KeyEvent {
    Key key = Key::Other;
    // Held down so long that the key repeats.
    bool repeat = false;
    InputState state;
};

// The classic flag word (platform/KeyCodes.h) that the session's scripts and the tests speak,
// read once where such an event enters the view.
constexpr InputState InputStateOf(unsigned flags) {
    return {(flags & kMkShift) != 0, (flags & kMkControl) != 0, (flags & kMkLButton) != 0,
            (flags & kMkRButton) != 0, (flags & kMkMButton) != 0};
}

constexpr PointerInput PointerInputOf(PointerKind kind, MouseButton button, unsigned flags, int x,
                                      int y) {
    return {kind, button, InputStateOf(flags), {x, y}};
}

// The key of a classic virtual-key number.
constexpr Key KeyOf(int code) {
    switch (code) {
        case kVkEscape:
            return Key::Escape;
        case kVkSpace:
            return Key::Space;
        case kVkControl:
            return Key::Control;
        case kVkShift:
            return Key::Shift;
        case kVkDelete:
            return Key::Delete;
        case kVkAdd:
            return Key::Add;
        case kVkSubtract:
            return Key::Subtract;
        case kVkMultiply:
            return Key::Multiply;
        case kVkDivide:
            return Key::Divide;
        case kVkOem102:
            return Key::Oem102;
        default:
            return Key::Other;
    }
}

constexpr KeyEvent KeyEventOf(int code, unsigned flags) {
    return {KeyOf(code), (flags & kKeyWasDown) != 0, InputStateOf(flags)};
}

}  // namespace korvo
