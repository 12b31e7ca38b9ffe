#pragma once

namespace korvo {

// Mouse-key flags that come with every mouse event: which buttons and modifier keys were held.
// The values are the classic ones, so recorded scripts and tests read the same everywhere.
inline constexpr unsigned kMkLButton = 0x0001;
inline constexpr unsigned kMkRButton = 0x0002;
inline constexpr unsigned kMkShift = 0x0004;
inline constexpr unsigned kMkControl = 0x0008;
inline constexpr unsigned kMkMButton = 0x0010;
// Bit 14 of a key-down's flags: the key was already down (auto-repeat).
inline constexpr unsigned kKeyWasDown = 0x4000;

// The virtual keys the tools react to, with their classic numbers. Letters are their upper-case
// character codes ('A' ... 'Z').
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkDelete = 0x2E;
inline constexpr int kVkMultiply = 0x6A;
inline constexpr int kVkAdd = 0x6B;
inline constexpr int kVkSubtract = 0x6D;
inline constexpr int kVkDivide = 0x6F;
inline constexpr int kVkOem102 = 0xE2;

// The key of a letter, either case; 0 for anything that is not a letter.
constexpr int KeyOfLetter(char c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 'A';
    }
    if (c >= 'A' && c <= 'Z') {
        return c;
    }
    return 0;
}

}  // namespace korvo
