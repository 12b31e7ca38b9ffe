#pragma once

#include <string>

namespace korvo {

enum ExitStatus : int {
    kExitOk = 0,
    kExitFileError = 1,  // a file could not be opened or written
    kExitBadInput = 2,   // damaged or invalid input
};

class CKorvoFont;
struct FontReadOutcome;

// Says on standard error what the reader itself does not: that the file may be no font, which
// glyphs saving would change, and which hold unknown command letters. The exit status for what
// was read: a file not read, a damaged file (unknown letters included) or one that may be no
// font are failures, the rest is kExitOk.
int ReportFontRead(const std::string& path, const FontReadOutcome& outcome);

// Reads a font the way the editor opens one (messages on standard error); the exit status of
// ReportFontRead.
int OpenFont(const std::string& path, CKorvoFont& font);

// Writes text to `path`, or to standard output when no path (or "-") is given; says on standard
// error why when it cannot.
int WriteText(const std::string& path, const std::string& text);

// Writes the font file; says on standard error why when it cannot.
int WriteFontOrReport(const CKorvoFont& font, const std::string& path);

int RunInfo(const std::string& fontPath);
int RunDump(const std::string& fontPath, const std::string& outPath);
int RunBuild(const std::string& jsonPath, const std::string& outPath);
int RunImportJhf(const std::string& jhfPath, const std::string& outPath, int firstCode);

}  // namespace korvo
