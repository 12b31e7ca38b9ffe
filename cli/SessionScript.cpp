#include "SessionScript.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "commands/CommandRegistry.h"
#include "platform/KeyCodes.h"

namespace korvo {

namespace {

// A window larger than this would only exhaust memory for its back buffer.
constexpr int kMaxClientSide = 16384;
constexpr int kMaxCommandId = 65535;
// The wheel delta travels in a signed 16-bit field.
constexpr int kMinWheelDelta = -32768;
constexpr int kMaxWheelDelta = 32767;

struct PointerWord {
    std::string_view word;
    SessionVerb verb;
};

constexpr std::array<PointerWord, 11> kPointerWords{{
    {"move", SessionVerb::Move},
    {"down", SessionVerb::Down},
    {"up", SessionVerb::Up},
    {"click", SessionVerb::Click},
    {"dblclick", SessionVerb::DblClick},
    {"rdown", SessionVerb::RDown},
    {"rup", SessionVerb::RUp},
    {"rclick", SessionVerb::RClick},
    {"rdblclick", SessionVerb::RDblClick},
    {"mdown", SessionVerb::MDown},
    {"wheel", SessionVerb::Wheel},
}};

struct KeyName {
    std::string_view name;
    int key;
};

constexpr std::array<KeyName, 9> kKeyNames{{
    {"space", kVkSpace},
    {"ctrl", kVkControl},
    {"escape", kVkEscape},
    {"delete", kVkDelete},
    {"kp_add", kVkAdd},
    {"kp_subtract", kVkSubtract},
    {"kp_multiply", kVkMultiply},
    {"kp_divide", kVkDivide},
    {"oem_102", kVkOem102},
}};

struct AnswerWord {
    std::string_view word;
    SessionAnswer::Kind kind;
};

constexpr std::array<AnswerWord, 5> kAnswerWords{{
    {"yes", SessionAnswer::Kind::Yes},
    {"no", SessionAnswer::Kind::No},
    {"ok", SessionAnswer::Kind::Ok},
    {"cancel", SessionAnswer::Kind::Cancel},
    {"max", SessionAnswer::Kind::Max},
}};

using Words = std::vector<std::string_view>;

Words SplitWords(std::string_view text) {
    Words words;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t\r\f\v", at);
        if (at == std::string_view::npos) {
            return words;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\r\f\v", at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
}

std::optional<int> ReadInt(std::string_view word, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ReadNumber(std::string_view word) {
    // from_chars takes no leading '+', which people do write.
    if (word.starts_with('+')) {
        word.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Reads the trailing shift and ctrl words from `first` on; false on any other word.
bool ReadModifiers(const Words& words, std::size_t first, SessionLine& line, std::string& error) {
    for (std::size_t i = first; i < words.size(); ++i) {
        bool& held = words[i] == "shift" ? line.shift : line.ctrl;
        if ((words[i] != "shift" && words[i] != "ctrl") || held) {
            error =
                "\"" + std::string(words[i]) + "\" is not a key to hold (shift or ctrl, once each)";
            return false;
        }
        held = true;
    }
    return true;
}

bool ParseSize(const Words& words, SessionLine& line, std::string& error) {
    const auto width = words.size() == 3 ? ReadInt(words[1], 1, kMaxClientSide) : std::nullopt;
    const auto height = words.size() == 3 ? ReadInt(words[2], 1, kMaxClientSide) : std::nullopt;
    if (!width || !height) {
        error = "size wants a width and a height in pixels, each from 1 to " +
                std::to_string(kMaxClientSide);
        return false;
    }
    line.width = *width;
    line.height = *height;
    return true;
}

// Commands of the main window rather than of a font's view: a session has one view of one font
// and saves it with -o.
bool IsFrameCommand(int id) {
    switch (id) {
        case ID_FILE_NEW:
        case ID_FILE_OPEN:
        case ID_FILE_CLOSE:
        case ID_FILE_SAVE:
        case ID_FILE_SAVE_AS:
        case ID_APP_ABOUT:
        case ID_APP_EXIT:
        case ID_WINDOW_CASCADE:
        case ID_WINDOW_TILE_HORZ:
        case ID_WINDOW_LIST:
            return true;
        default:
            return (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) ||
                   (id >= ID_VIEW_TOOLBAR && id <= ID_VIEW_CHAR_BAR);
    }
}

bool CheckCommand(int id, std::string& error) {
    if (FindCommand(id) == nullptr) {
        error = "no menu, toolbar or key gives the command " + std::to_string(id);
        return false;
    }
    if (IsFrameCommand(id)) {
        error = "command " + std::to_string(id) +
                " belongs to the main window; a session edits one font in one view and saves it "
                "with -o";
        return false;
    }
    return true;
}

bool ParseCommand(const Words& words, SessionLine& line, std::string& error) {
    const auto id = words.size() == 2 ? ReadInt(words[1], 0, kMaxCommandId) : std::nullopt;
    if (!id) {
        error = "command wants one command id from 0 to " + std::to_string(kMaxCommandId);
        return false;
    }
    line.id = *id;
    return CheckCommand(line.id, error);
}

// Tools without a menu command (Load symbol, 19078) are reached the way other programs reach
// them: by the private message that carries a tool id.
bool ParseTool(const Words& words, SessionLine& line, std::string& error) {
    const auto id = words.size() == 2 ? ReadInt(words[1], 0, kMaxCommandId) : std::nullopt;
    if (!id) {
        error = "tool wants one tool id from 0 to " + std::to_string(kMaxCommandId);
        return false;
    }
    line.id = *id;
    return true;
}

// The name the command table gives a key in its key sequences ("L", "Del", "Esc"); empty for
// keys no command is bound to.
std::string KeyNameOf(int key) {
    if (key >= 'A' && key <= 'Z') {
        return std::string(1, static_cast<char>(key));
    }
    switch (key) {
        case kVkDelete:
            return "Del";
        case kVkEscape:
            return "Esc";
        case kVkSpace:
            return "Space";
        default:
            return {};
    }
}

bool SequenceMatches(std::string_view sequence, std::string_view name, bool shift, bool ctrl) {
    bool wantShift = false;
    bool wantCtrl = false;
    while (true) {
        const std::size_t plus = sequence.find('+');
        // A '+' at the very end is the key itself.
        if (plus == std::string_view::npos || plus + 1 == sequence.size()) {
            return sequence == name && wantShift == shift && wantCtrl == ctrl;
        }
        const std::string_view modifier = sequence.substr(0, plus);
        if (modifier == "Shift") {
            wantShift = true;
        } else if (modifier == "Ctrl") {
            wantCtrl = true;
        } else {
            return false;
        }
        sequence.remove_prefix(plus + 1);
    }
}

// The command whose key this is, as the window's menus and toolbars bind it; 0 for none.
int AcceleratorOf(int key, bool shift, bool ctrl) {
    const std::string name = KeyNameOf(key);
    if (name.empty()) {
        return 0;
    }
    for (const CommandInfo& command : AllCommands()) {
        std::string_view keys = command.keys;
        while (!keys.empty()) {
            const std::size_t end = std::min(keys.find("; "), keys.size());
            if (SequenceMatches(keys.substr(0, end), name, shift, ctrl)) {
                return command.id;
            }
            keys.remove_prefix(std::min(end + 2, keys.size()));
        }
    }
    return 0;
}

bool ParsePointer(const Words& words, SessionLine& line, std::string& error) {
    const bool wheel = line.verb == SessionVerb::Wheel;
    const std::size_t numbers = wheel ? 4 : 3;
    // Plain values rather than optionals: GCC's -O2 flow analysis cannot see through the
    // conditional optionals and warns of uninitialised reads.
    const bool enough = words.size() >= numbers;
    const std::optional<double> x = enough ? ReadNumber(words[1]) : std::nullopt;
    const std::optional<double> y = enough ? ReadNumber(words[2]) : std::nullopt;
    std::optional<int> delta(0);
    if (wheel) {
        delta = enough ? ReadInt(words[3], kMinWheelDelta, kMaxWheelDelta) : std::nullopt;
    }
    const auto fits = [](const std::optional<double>& v) {
        return v.has_value() && std::fabs(v.value_or(0.0)) <= std::numeric_limits<float>::max();
    };
    if (!fits(x) || !fits(y) || !delta.has_value()) {
        error = std::string(words[0]) + " wants X Y" +
                (wheel ? " and a whole DELTA from -32768 to 32767 (120 is one notch)" : "") +
                " in drawing units, then optionally shift and ctrl";
        return false;
    }
    line.x = x.value_or(0.0);
    line.y = y.value_or(0.0);
    line.delta = delta.value_or(0);
    return ReadModifiers(words, numbers, line, error);
}

bool ParseKey(const Words& words, SessionLine& line, std::string& error) {
    if (words.size() >= 2) {
        const auto named = std::find_if(kKeyNames.begin(), kKeyNames.end(),
                                        [&](const KeyName& k) { return k.name == words[1]; });
        if (named != kKeyNames.end()) {
            line.key = named->key;
        } else if (words[1].size() == 1) {
            line.key = KeyOfLetter(words[1][0]);
        }
    }
    if (line.key == 0) {
        error =
            "key wants space, ctrl, escape, delete, kp_add, kp_subtract, kp_multiply, "
            "kp_divide, oem_102 or a letter, then optionally shift and ctrl";
        return false;
    }
    if (!ReadModifiers(words, 2, line, error)) {
        return false;
    }
    line.id = AcceleratorOf(line.key, line.shift, line.ctrl);
    return line.id == 0 || CheckCommand(line.id, error);
}

bool ParseAnswer(const Words& words, SessionLine& line, std::string& error) {
    if (words.size() == 2) {
        const auto named = std::find_if(kAnswerWords.begin(), kAnswerWords.end(),
                                        [&](const AnswerWord& a) { return a.word == words[1]; });
        if (named != kAnswerWords.end()) {
            line.answer.kind = named->kind;
            return true;
        }
    }
    const bool numbers =
        words.size() >= 2 && std::all_of(words.begin() + 1, words.end(), [](std::string_view word) {
            return ReadNumber(word).has_value();
        });
    if (!numbers) {
        error = "answer wants yes, no, ok, cancel, max, or the dialog's fields as numbers";
        return false;
    }
    line.answer.kind = SessionAnswer::Kind::Fields;
    line.answer.fields.assign(words.begin() + 1, words.end());
    return true;
}

bool ParseWords(const Words& words, SessionLine& line, std::string& error) {
    const std::string_view verb = words[0];
    if (verb == "size") {
        line.verb = SessionVerb::Size;
        return ParseSize(words, line, error);
    }
    if (verb == "command") {
        line.verb = SessionVerb::Command;
        return ParseCommand(words, line, error);
    }
    if (verb == "tool") {
        line.verb = SessionVerb::Tool;
        return ParseTool(words, line, error);
    }
    if (verb == "key") {
        line.verb = SessionVerb::Key;
        return ParseKey(words, line, error);
    }
    if (verb == "answer") {
        line.verb = SessionVerb::Answer;
        return ParseAnswer(words, line, error);
    }
    const auto pointer = std::find_if(kPointerWords.begin(), kPointerWords.end(),
                                      [&](const PointerWord& p) { return p.word == verb; });
    if (pointer != kPointerWords.end()) {
        line.verb = pointer->verb;
        return ParsePointer(words, line, error);
    }
    error = "\"" + std::string(verb) + "\" is not a session word";
    return false;
}

}  // namespace

SessionScript ParseSessionScript(std::string_view text) {
    SessionScript script;
    int number = 0;
    while (!text.empty() || number == 0) {
        ++number;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view row = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        row = row.substr(0, std::min(row.find('#'), row.size()));
        const Words words = SplitWords(row);
        if (words.empty()) {
            continue;
        }
        SessionLine line;
        line.number = number;
        line.text = std::string(words.front().data(),
                                words.back().data() + words.back().size() - words.front().data());
        std::string error;
        if (ParseWords(words, line, error)) {
            script.lines.push_back(std::move(line));
        } else {
            script.errors.push_back("line " + std::to_string(number) + ": " + error + " (\"" +
                                    line.text + "\")");
        }
    }
    if (!script.errors.empty()) {
        script.lines.clear();
    }
    return script;
}

std::string DescribeSessionScript() {
    return "Script lines (# starts a comment): size W H; command ID; tool ID (the message that "
           "installs a tool by id, for tools no menu reaches); move|down|up|click|dblclick|"
           "rdown|rup|rclick|rdblclick|mdown X Y [shift] [ctrl]; wheel X Y DELTA [shift] [ctrl] "
           "(X and Y in drawing units, each taken to the nearest pixel of the view as it is then, "
           "DELTA 120 per notch away from the user; the pointer moves there before a button goes "
           "down); key NAME [shift] [ctrl] with NAME one of space, ctrl, escape, delete, kp_add, "
           "kp_subtract, kp_multiply, kp_divide, oem_102 or a letter (a key that a menu command "
           "is bound to, like l for Load Char, runs that command while it is enabled, as in the "
           "window); shift and ctrl are held for that line only; answer yes|no|ok|cancel|max|"
           "FIELDS... queues the answer for the next message box or dialog, so it comes before "
           "the line that asks (the character dialog takes a code, the convert-to-lines dialog a "
           "number or max, the user grid X Y, the help lines a check box 0 or 1 and a position "
           "for each of the seven rows, the value input its visible fields; ok keeps what a "
           "dialog shows). A value out of a dialog's range shows its range message, and the "
           "dialog takes the next answer.";
}

}  // namespace korvo
