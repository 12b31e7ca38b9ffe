// korvofont session plays Undo and Redo like any other command or key.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "support/KorvofontRun.h"

namespace korvo {
namespace {

using nlohmann::json;
using ::testing::HasSubstr;

json Glyph(const test::TempDir& dir, const std::string& path, int code) {
    const json dump = json::parse(test::Korvofont(dir, {"dump", path}).out);
    for (const json& glyph : dump["glyphs"]) {
        if (glyph["code"] == code) {
            return glyph;
        }
    }
    return nullptr;
}

TEST(UndoSession, UndoAndRedoByKeyAndCommandReachTheWrittenFont) {
    const std::string store = "answer 65\ncommand 32824\nanswer 66\ncommand 32825\n";
    const struct {
        const char* name;
        std::string script;
        bool stored;  // glyph 66 holds glyph 65 in the written font
        const char* report;
    } cases[] = {
        {"stored", store, true, ""},
        {"undone by Ctrl+Z", store + "key z ctrl\n", false, ""},
        {"undone twice, redone once by Ctrl+Y", store + "key z ctrl\nkey z ctrl\nkey y ctrl\n",
         false, ""},
        {"redone by Ctrl+Shift+Z", store + "command 57643\nkey z shift ctrl\n", true, ""},
        {"nothing to undo", "command 57643\n", false,
         "line 1: command 57643 is greyed out now; nothing happens"},
        {"nothing to redo", store + "command 57644\n", true,
         "line 5: command 57644 is greyed out now; nothing happens"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string font = dir.File("font.dat");
        const std::string out = dir.File("out.dat");
        std::filesystem::copy_file(test::Sample("futural.dat"), font);
        test::WriteText(dir.File("script.txt"), c.script);
        const test::CommandRun run =
            test::Korvofont(dir, {"session", font, dir.File("script.txt"), "-o", out});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_THAT(run.err, HasSubstr(c.report));
        json stored = Glyph(dir, out, 66);
        if (c.stored) {
            ASSERT_FALSE(stored.is_null());
            stored["code"] = 65;
            EXPECT_EQ(stored, Glyph(dir, font, 65));
        } else {
            EXPECT_TRUE(test::ReadBytes(out) == test::ReadBytes(font));
        }
    }
}

}  // namespace
}  // namespace korvo
