#pragma once

// Runs the korvofont executable; for test targets that define KORVOFONT_EXE and KORVO_SOURCE_DIR.
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace korvo::test {

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Standard input is empty; standard output and error pass through files in `dir`.
inline CommandRun Korvofont(const TempDir& dir, const std::vector<std::string>& args) {
    std::string command = ShellQuote(KORVOFONT_EXE);
    for (const std::string& arg : args) {
        command += " " + ShellQuote(arg);
    }
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw), ReadText(out), ReadText(err)};
}

inline std::string Sample(const std::string& name) {
    return std::string(KORVO_SOURCE_DIR) + "/samples/" + name;
}

}  // namespace korvo::test
