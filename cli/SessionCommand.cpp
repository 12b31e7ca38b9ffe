#include "SessionCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <vector>

#include "FontCommands.h"
#include "GuiApplication.h"
#include "SessionHost.h"
#include "SessionRunner.h"
#include "SessionScript.h"
#include "app/KorvoFEDoc.h"
#include "json/DrawingJson.h"
#include "platform/FileIo.h"
#include "tools/ToolFactory.h"
#include "view/KorvoFEView.h"

namespace korvo {

namespace {

// The client area of the session's one view, in pixels.
constexpr DevicePoint kClientSize{1000, 700};

int ReadScript(const std::string& path, SessionScript& script) {
    std::vector<std::uint8_t> bytes;
    if (LoadWholeFile(path, bytes) != FileLoadResult::Loaded) {
        std::cerr << "korvofont: cannot read " << path << '\n';
        return kExitFileError;
    }
    script = ParseSessionScript(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    for (const std::string& error : script.errors) {
        std::cerr << "korvofont: " << path << ": " << error << '\n';
    }
    return script.errors.empty() ? kExitOk : kExitBadInput;
}

// Answers the script queued and no question took.
void ReportUnused(CSessionHost& host) {
    for (const int line : host.Answers().PendingLines()) {
        host.SetLine(line);
        host.Report("this answer was never asked for");
    }
}

int WriteResults(const SessionOptions& options, const CKorvoFEDoc& doc, bool fontIsClean) {
    if (!options.drawingPath.empty()) {
        const DrawingJsonOptions every{.everyElement = true, .marks = true};
        if (const int status =
                WriteText(options.drawingPath, WriteDrawingJson(*doc.GetPaper(), every));
            status != kExitOk) {
            return status;
        }
    }
    if (options.outPath.empty()) {
        return kExitOk;
    }
    if (!fontIsClean) {
        // Saving would lose what the reader left out, or change what it did not understand.
        std::cerr << "korvofont: " << options.fontPath << " was not read whole; " << options.outPath
                  << " is not written\n";
        return kExitBadInput;
    }
    return WriteFontOrReport(doc.GetFont(), options.outPath);
}

}  // namespace

CLI::App* AddSessionCommand(CLI::App& app, SessionOptions& options) {
    CLI::App* session = app.add_subcommand(
        "session",
        "Run a whole editing session without a window: the font is opened as File Open opens "
        "it and shown in one view of 1000 x 700 client pixels, and the script's lines go through "
        "the editor's own view, tools and dialogs, each followed by what the event loop would do "
        "(posted commands, timers, the repaint). " +
            DescribeSessionScript() +
            " A message or dialog without a queued answer is cancelled and reported on standard "
            "error. An invalid line stops the session with exit status 2 before anything is "
            "written.");
    session->add_option("FONT", options.fontPath, "font file (.dat)")->required();
    session->add_option("SCRIPT", options.scriptPath, "session script")->required();
    session->add_option("-o,--output", options.outPath,
                        "save the font here at the end, as File Save does");
    session->add_option("--drawing", options.drawingPath,
                        "write the drawing's elements at the end as drawing JSON, every element "
                        "a tool can make with its \"mark\" (0 normal, 1 selected)");
    session->add_flag("--trace", options.trace,
                      "print every change of a status pane (\"status N: text\") and every message "
                      "shown (\"message: text -> answer\") on standard output");
    return session;
}

int RunSession(const SessionOptions& options) {
    SessionScript script;
    if (const int status = ReadScript(options.scriptPath, script); status != kExitOk) {
        return status;
    }
    EnsureGuiApplication();
    CSessionHost host(kClientSize, std::cerr, options.trace ? &std::cout : nullptr);
    CKorvoFEDoc doc(host);
    const FontReadOutcome read = doc.OnOpenDocument(options.fontPath).font;
    const int readStatus = ReportFontRead(options.fontPath, read);
    if (readStatus == kExitFileError) {
        return kExitFileError;
    }
    CToolFactory factory;
    CSessionRunner runner(doc, host, factory);
    runner.Show();
    for (const SessionLine& line : script.lines) {
        if (!runner.Run(line)) {
            std::cerr << "korvofont: " << options.scriptPath << ": " << host.Failure()
                      << "; nothing is written\n";
            return kExitBadInput;
        }
    }
    ReportUnused(host);
    // The drawing as the user last saw it, before the view and its tools go.
    const int status = WriteResults(options, doc, read.IsClean());
    std::cout.flush();
    // The session ran on what could be read, but a damaged font is still no success.
    return status != kExitOk ? status : readStatus;
}

}  // namespace korvo
