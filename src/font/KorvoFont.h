#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "font/FontFile.h"
#include "font/FontTable.h"
#include "platform/Object.h"

namespace korvo {

class IMessageHost;

// Font-wide settings the font keeps and archives; nothing in the editor computes with them.
struct FontParams {
    float param1 = 5.0f;
    std::int32_t param2 = 0;
    std::int32_t param3 = 0;
    float param4 = 1.0f;
    float param5 = 5.0f;
    std::int32_t param6 = 1;
    std::int32_t param7 = 0;
    std::int32_t param8 = 1;
    std::int32_t param9 = 0;
    float param10 = 5.0f;
};

// One open font: its glyph table and its settings.
class CKorvoFont : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    static constexpr std::uint16_t kSchema = 14;

    CKorvoFont() = default;
    ~CKorvoFont() override;
    CKorvoFont(const CKorvoFont&) = delete;
    CKorvoFont& operator=(const CKorvoFont&) = delete;

    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override;

    void NewTable(int owns);
    // A file that cannot be opened leaves an empty pooled table in place.
    FontReadOutcome LoadFontFile(const std::string& path, int owns, IMessageHost& host);
    FontWriteResult WriteFontFile(const std::string& path, IMessageHost& host) const;

    std::span<const std::uint8_t> GetCommands(int code) const;
    std::int32_t GetLeft(int code) const { return table_->Entry(code).left; }
    std::int32_t GetGlyphWidth(int code) const { return table_->Entry(code).glyphWidth; }
    std::int32_t GetDefaultAdvance() const { return table_->DefaultAdvance(); }
    int CountCommandPairs(int code) const { return table_->CountCommandPairs(code); }

    CFontTable* Table() { return table_.get(); }
    const CFontTable* Table() const { return table_.get(); }
    const FontParams& Params() const { return params_; }
    void SetParams(const FontParams& params) { params_ = params; }

private:
    void ReleaseTable();
    void StoreTable(CArchive& ar) const;
    void LoadTable(CArchive& ar);

    std::unique_ptr<CFontTable> table_;
    FontParams params_;
};

}  // namespace korvo
