#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// What one line of a session script does, as a user at the window would do it.
enum class SessionVerb {
    Size,       // the window gets a new client size
    Command,    // a menu, toolbar or key command by id
    Tool,       // the view's private message that installs a tool by id (1126)
    Move,       // the pointer moves
    Down,       // left button pressed
    Up,         // left button released
    Click,      // left press and release
    DblClick,   // left press, release, double click, release
    RDown,      // right button pressed
    RUp,        // right button released
    RClick,     // right press and release
    RDblClick,  // right press, release, double click, release
    MDown,      // middle button pressed
    Wheel,      // the wheel turns by `delta`
    Key,        // a key is pressed
    Answer,     // the answer for the next message box or dialog
};

// What an answer line gives: a button of a message box, the convert-to-lines dialog's "max"
// button, or the dialog's visible fields in order (kept as written, since which dialog takes them
// decides whether they are integers, numbers or check boxes).
struct SessionAnswer {
    enum class Kind { Yes, No, Ok, Cancel, Max, Fields };
    Kind kind = Kind::Cancel;
    std::vector<std::string> fields;
};

struct SessionLine {
    int number = 0;    // line in the script, from 1
    std::string text;  // the line as written, without its comment
    SessionVerb verb = SessionVerb::Command;
    double x = 0.0;  // pointer lines: drawing units
    double y = 0.0;
    int width = 0;  // size
    int height = 0;
    int id = 0;     // command or tool; for a key, the command bound to it (0 for none)
    int delta = 0;  // wheel
    int key = 0;    // virtual key
    bool shift = false;
    bool ctrl = false;
    SessionAnswer answer;
};

struct SessionScript {
    std::vector<SessionLine> lines;
    // Each names its line ("line 4: ..."); a script with any error must not run.
    std::vector<std::string> errors;
};

// Reads the whole script before anything runs, so that an invalid line stops the session before
// it has changed anything.
SessionScript ParseSessionScript(std::string_view text);

// The words a script may use, for help texts.
std::string DescribeSessionScript();

}  // namespace korvo
