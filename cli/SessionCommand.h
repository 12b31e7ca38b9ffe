#pragma once

#include <string>

namespace CLI {
class App;
}

namespace korvo {

// What korvofont session is told on the command line.
struct SessionOptions {
    std::string fontPath;
    std::string scriptPath;
    std::string outPath;      // the font as File Save writes it; empty: not saved
    std::string drawingPath;  // the paper's elements as drawing JSON; empty: not written
    bool trace = false;       // status-pane changes and messages on standard output
};

// Adds the session subcommand to the tool, filling `options` when it is given.
CLI::App* AddSessionCommand(CLI::App& app, SessionOptions& options);

// Opens the font as File Open does, shows it in one view of 1000 x 700 client pixels, plays the
// script on it and writes what was asked for; returns the exit status. An invalid script line, or
// an answer that cannot answer its question, stops the session with nothing written.
int RunSession(const SessionOptions& options);

}  // namespace korvo
