#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/RecoveryFile.h"

namespace korvo {

class CFontTable;
class CKorvoFEDoc;
class CPaper;

// A document's unsaved state as bytes, and the way back: what autosave writes into a recovery
// file and what a restart after a crash puts into a fresh document.
class CDocumentSnapshot {
public:
    // Everything the user could lose: the font, the drawing, the sheet's grid and help lines
    // and the current character.
    static RecoveryRecord Take(const CKorvoFEDoc& document, const std::string& title,
                               std::int64_t nowMs);
    // A digest of the same state, to tell cheaply whether anything changed since it was taken.
    static std::uint32_t Digest(const RecoveryRecord& record);
    // Fills a document that holds no font yet with the record's state and marks it modified.
    // False, with `error` set, when a part of the record cannot be read; the document is then
    // left as a new, empty one.
    static bool Restore(CKorvoFEDoc& document, const RecoveryRecord& record, std::string& error);

    // What neither the font file nor the sheet's archive keeps: the grid, the help lines and the
    // blank's width the font draws with.
    static std::vector<std::uint8_t> SettingsBytes(const CPaper& paper, const CFontTable& table);
    static bool ApplySettingsBytes(CPaper& paper, CFontTable& table,
                                   const std::vector<std::uint8_t>& bytes);
    static std::vector<std::uint8_t> PaperBytes(CPaper& paper);
};

}  // namespace korvo
