// korvofont end to end: the real executable, its exit status and its files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "font/FontFile.h"
#include "support/KorvofontRun.h"
#include "support/LittleEndian.h"

namespace korvo {
namespace {

using test::CommandRun;
using test::Korvofont;
using test::Sample;
using test::TempDir;
using ::testing::HasSubstr;
using Args = std::vector<std::string>;

// The committed samples are exactly what the importer makes from the installed Hershey data.
TEST(Korvofont, SamplesAreReproducedFromHersheyData) {
    TempDir dir;
    for (const std::string name : {"futural", "gothiceng", "scripts"}) {
        const std::string out = dir.File(name + ".dat");
        const CommandRun run =
            Korvofont(dir, {"import-jhf", "/usr/share/hershey-fonts/" + name + ".jhf", "-o", out});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_FALSE(test::ReadBytes(out).empty());
        EXPECT_TRUE(test::ReadBytes(out) == test::ReadBytes(Sample(name + ".dat"))) << name;
    }
}

TEST(Korvofont, DumpAndBuildRoundTripByteForByte) {
    TempDir dir;
    const std::string json = dir.File("futural.json");
    CommandRun run = Korvofont(dir, {"dump", Sample("futural.dat"), "-o", json});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");

    const nlohmann::json document = nlohmann::json::parse(test::ReadText(json));
    EXPECT_EQ(document["name"], "futural");
    const auto& glyphs = document["glyphs"];
    const auto& a =
        *std::find_if(glyphs.begin(), glyphs.end(), [](const auto& g) { return g["code"] == 65; });
    // JHF "I[RFJ[ ...": the leftmost vertex J lies one unit right of the left bound I, and
    // futural is scaled by 200 / 32 = 6.25 grid units per Hershey unit.
    EXPECT_EQ(a["left"].get<int>(), 6);
    EXPECT_EQ(a["width"].get<int>(), 100);

    run = Korvofont(dir, {"build", json, "-o", dir.File("rebuilt.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(test::ReadBytes(dir.File("rebuilt.dat")) == test::ReadBytes(Sample("futural.dat")));
    // Without -o the JSON goes to standard output.
    EXPECT_EQ(nlohmann::json::parse(Korvofont(dir, {"dump", Sample("futural.dat")}).out), document);
}

TEST(Korvofont, BuildRejectsBadInputAndWritesNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"{\"glyphs\": [", "is not valid JSON: parse error at line 1, column 13"},
        {"{\"name\": \"x\"}", "\"glyphs\" list"},
        {R"({"glyphs": [{"code": 256, "commands": []}]})", "from 0 to 255"},
        {R"({"glyphs": [{"code": 65, "commands": [["m", 0, 201]]}]})",
         "glyphs[0].commands[0]: coordinates must be whole numbers from 0 to 200"},
        {R"({"glyphs": [{"code": 65, "commands": [["x", 1, 2]]}]})",
         "unknown command letter \"x\""},
        {R"({"glyphs": [{"code": 65, "commands": []}, {"code": 65, "commands": []}]})",
         "code 65 appears more than once"},
    };
    for (const auto& [json, message] : cases) {
        TempDir dir;
        test::WriteText(dir.File("in.json"), json);
        const CommandRun run =
            Korvofont(dir, {"build", dir.File("in.json"), "-o", dir.File("out.dat")});
        EXPECT_EQ(run.status, 2) << json;
        EXPECT_THAT(run.err, HasSubstr(message)) << json;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.dat"))) << json;
    }
}

TEST(Korvofont, BuildTruncatesGlyphsOverTheLimit) {
    TempDir dir;
    nlohmann::json commands = nlohmann::json::array();
    for (int i = 0; i < 300; ++i) {
        commands.push_back({i == 0 ? "m" : "d", i % 201, 7});
    }
    const nlohmann::json document = {{"glyphs", {{{"code", 66}, {"commands", commands}}}}};
    test::WriteText(dir.File("in.json"), document.dump());
    const CommandRun run =
        Korvofont(dir, {"build", dir.File("in.json"), "-o", dir.File("out.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("glyph 66 has 300 pairs"));
    const auto bytes = test::ReadBytes(dir.File("out.dat"));
    ASSERT_EQ(bytes.size(), 16u + 784 + 16);
    EXPECT_EQ(bytes[17], 255);
}

TEST(Korvofont, ExitStatusNamesTheKindOfFailure) {
    TempDir dir;
    const std::string font = Sample("futural.dat");
    const std::string jhf = "/usr/share/hershey-fonts/futural.jhf";
    const std::string ok = dir.File("ok.json");
    test::WriteText(ok, R"({"elements": [{"type": "line", "x1": 0, "y1": 0, "x2": 9, "y2": 9}]})");
    test::WriteText(dir.File("bad.json"), R"({"elements": [{"type": "line"}]})");
    test::WriteText(dir.File("bad.jhf"), "12345  2JZ\n12345 xyJZ\n");
    // A record that claims nine pairs but ends after one byte.
    const test::Bytes damaged = test::ByteWriter().Text(kFontFileHeader).Raw({65, 9, 1, 'm'}).bytes;
    const std::string broken = dir.File("damaged.dat");
    test::WriteBytes(broken, damaged);
    const std::pair<Args, std::pair<int, std::string>> cases[] = {
        {{"info", dir.File("missing.dat")}, {1, "not found !"}},
        {{"dump", broken}, {2, "character record 1 (byte offset 17)"}},
        {{"build", dir.File("missing.json"), "-o", dir.File("x.dat")}, {1, "cannot read"}},
        {{"import-jhf", dir.File("bad.jhf"), "-o", dir.File("x.dat")}, {2, "line 1:"}},
        {{"import-jhf", jhf, "-o", dir.File("no/x.dat")}, {1, "cannot create"}},
        {{"import-jhf", jhf, "-o", dir.File("x.dat"), "--first-code", "0"}, {2, "--first-code"}},
        {{"decode", font, "256"}, {2, "CODE"}},
        {{"decode", font, "200"}, {2, "has no glyph 200"}},
        {{"encode", dir.File("bad.json")}, {2, "bad.json: elements[0]: \"x1\" is missing"}},
        {{"encode", ok, "--arc-lines", "1"}, {2, "--arc-lines"}},
        {{"encode", ok, "--trim", "maybe"}, {2, "--trim"}},
        {{"put", font, "32", ok}, {2, "CODE"}},
        {{"put", broken, "66", ok}, {2, "damaged.dat is left as it is"}},
        {{"frobnicate"}, {2, ""}},
        {{}, {2, ""}},
        {{"put", "--help"}, {0, "\"elements\""}},
    };
    for (const auto& [args, expected] : cases) {
        const CommandRun run = Korvofont(dir, args);
        const std::string what = args.empty() ? "(no arguments)" : args[0] + " " + args.back();
        EXPECT_EQ(run.status, expected.first) << what << "\n" << run.err;
        EXPECT_THAT(run.err + run.out, HasSubstr(expected.second)) << what;
    }
    EXPECT_TRUE(test::ReadBytes(broken) == damaged);
}

// A truncated download, a file that may be no font, glyphs the format cannot write back: each
// command says so on standard error and still shows what it read; only a sound font exits 0, and
// put changes none of them.
TEST(Korvofont, SaysWhatIsWrongWithAFontAndStillShowsWhatWasRead) {
    TempDir dir;
    const test::Bytes glyph = {65, 2, 1, 'm', 10, 20, 'd', 30, 40, 0, 0, 0, 0, 0, 0, 0};
    const test::Bytes offGrid = {66, 1, 1, 'o', 201, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const test::Bytes end(16, 0);
    std::vector<std::pair<std::string, test::Bytes>> files;
    const auto write = [&](const std::string& name, std::string_view header,
                           std::vector<test::Bytes> records) {
        test::ByteWriter file;
        file.Text(header);
        for (const test::Bytes& record : records) {
            file.Raw(record);
        }
        files.emplace_back(dir.File(name), file.bytes);
        test::WriteBytes(dir.File(name), file.bytes);
        return dir.File(name);
    };
    const std::string sound = write("sound.dat", kFontFileHeader, {glyph, end});
    const std::string cut = write("cut.dat", kFontFileHeader, {glyph});
    const std::string foreign = write("foreign.dat", "KORVO VS - 3.01 ", {glyph, end});
    const std::string shifted = write("offgrid.dat", kFontFileHeader, {glyph, offGrid, end});
    const std::string drawing = dir.File("d.json");
    test::WriteText(drawing, R"({"elements": [{"type": "point", "x": 5, "y": 5}]})");
    const std::string noFont = "does not start with the header \"Korvo VS - 3.01 \"";
    const std::string codes = "codes 66 have coordinates 201 to 203";
    struct Case {
        Args args;
        int status;
        std::string err;  // empty: nothing on standard error
        std::string out;
    };
    const Case cases[] = {
        {{"info", sound}, 0, "", "\n   65  A        2    10     20\n"},
        {{"info", cut}, 2, "cut.dat is damaged: it ends after 32 bytes", "\n   65  A   "},
        {{"decode", cut, "65"}, 2, "without its end block", "\"x2\":30.0"},
        {{"info", foreign}, 2, "warning: File " + foreign + " " + noFont, "\n   65  A   "},
        {{"dump", shifted},
         0,
         "warning: Font file " + shifted + ": the glyphs of " + codes,
         "\"code\": 66"},
        {{"put", foreign, "67", drawing}, 2, "foreign.dat is left as it is", ""},
        {{"put", shifted, "67", drawing}, 2, "offgrid.dat is left as it is", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CommandRun run = Korvofont(dir, c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.err.empty()) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_THAT(run.err, HasSubstr(c.err));
        }
        EXPECT_THAT(run.out, HasSubstr(c.out));
    }
    for (const auto& [path, bytes] : files) {
        EXPECT_TRUE(test::ReadBytes(path) == bytes) << path;
    }
}

// One more command in the sample's first record (code 33) reads a padding byte as a letter.
TEST(Korvofont, UnknownCommandLettersNameTheirCodesAndFail) {
    TempDir dir;
    test::Bytes bytes = test::ReadBytes(Sample("futural.dat"));
    ASSERT_EQ(bytes[16 + 1]++, 7);
    const std::string font = dir.File("scribble.dat"), out = dir.File("out.dat");
    test::WriteBytes(font, bytes);
    test::WriteText(dir.File("d.json"), R"({"elements": []})");
    for (const Args& args : {Args{"info", font}, Args{"decode", font, "33"},
                             Args{"put", font, "66", dir.File("d.json")},
                             Args{"session", font, "/dev/null", "-o", out}}) {
        const CommandRun run = Korvofont(dir, args);
        EXPECT_EQ(run.status, 2) << args[0] << ": " << run.err;
        EXPECT_THAT(run.err, HasSubstr("code 33 holds unknown command letters")) << args[0];
        EXPECT_THAT(run.out, HasSubstr("err2\n")) << args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace korvo
