#include <iostream>
#include <string>
#include <vector>

#include "FontCommands.h"
#include "JhfFont.h"
#include "JhfImport.h"
#include "font/KorvoFont.h"
#include "platform/FileIo.h"

namespace korvo {

int RunImportJhf(const std::string& jhfPath, const std::string& outPath, int firstCode) {
    std::vector<std::uint8_t> bytes;
    if (LoadWholeFile(jhfPath, bytes) != FileLoadResult::Loaded) {
        std::cerr << "korvofont: cannot read " << jhfPath << '\n';
        return kExitFileError;
    }
    const JhfParseResult parsed =
        ParseJhf(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    for (const std::string& error : parsed.errors) {
        std::cerr << "korvofont: " << jhfPath << ": " << error << '\n';
    }
    if (!parsed.errors.empty()) {
        std::cerr << "korvofont: nothing written: the font has malformed lines\n";
        return kExitBadInput;
    }

    const JhfImportResult imported = MapJhfGlyphs(parsed.glyphs, firstCode);
    for (const std::string& warning : imported.warnings) {
        std::cerr << "korvofont: " << jhfPath << ": " << warning << '\n';
    }
    CKorvoFont font;
    font.NewTable(1);
    for (const ImportedGlyph& glyph : imported.glyphs) {
        font.Table()->StoreGlyph(glyph.code, glyph.commands);
    }
    font.Table()->RecomputeDefaultAdvance();

    if (const int status = WriteFontOrReport(font, outPath); status != kExitOk) {
        return status;
    }
    std::cout << "Imported " << imported.glyphs.size() << " glyphs from " << parsed.glyphs.size()
              << " Hershey glyphs (scale " << imported.scale << " grid units per Hershey unit, x "
              << "offset " << imported.xOffset << ") into " << outPath << '\n';
    return kExitOk;
}

}  // namespace korvo
