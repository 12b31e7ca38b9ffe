// korvofont end to end: the real executable, its exit status and its files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace korvo {
namespace {

using test::TempDir;
using ::testing::HasSubstr;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

CommandRun Korvofont(const TempDir& dir, const std::vector<std::string>& args) {
    std::string command = Quote(KORVOFONT_EXE);
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    command += " >" + Quote(out) + " 2>" + Quote(err) + " </dev/null";
    CommandRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    run.out = test::ReadText(out);
    run.err = test::ReadText(err);
    return run;
}

std::string Sample(const std::string& name) {
    return std::string(KORVO_SOURCE_DIR) + "/samples/" + name;
}

// The committed samples are exactly what the importer makes from the installed Hershey data.
TEST(Korvofont, SamplesAreReproducedFromHersheyData) {
    TempDir dir;
    for (const std::string name : {"futural", "gothiceng", "scripts"}) {
        const std::string jhf = "/usr/share/hershey-fonts/" + name + ".jhf";
        const std::string out = dir.File(name + ".dat");
        const CommandRun run = Korvofont(dir, {"import-jhf", jhf, "-o", out});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        const std::vector<std::uint8_t> made = test::ReadBytes(out);
        ASSERT_FALSE(made.empty());
        EXPECT_TRUE(made == test::ReadBytes(Sample(name + ".dat"))) << name;
    }
}

TEST(Korvofont, DumpAndBuildRoundTripByteForByte) {
    TempDir dir;
    const std::string json = dir.File("futural.json");
    const std::string rebuilt = dir.File("rebuilt.dat");
    CommandRun run = Korvofont(dir, {"dump", Sample("futural.dat"), "-o", json});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");

    const nlohmann::json document = nlohmann::json::parse(test::ReadText(json));
    EXPECT_EQ(document["name"], "futural");
    const auto& glyphs = document["glyphs"];
    ASSERT_GT(glyphs.size(), 90u);
    int previous = -1;
    for (const auto& glyph : glyphs) {
        EXPECT_GT(glyph["code"].get<int>(), previous) << "ascending codes";
        previous = glyph["code"].get<int>();
    }
    const auto& a =
        *std::find_if(glyphs.begin(), glyphs.end(), [](const auto& g) { return g["code"] == 65; });
    EXPECT_EQ(a["commands"][0][0], "m");
    // JHF "I[RFJ[ ...": the leftmost vertex J lies one unit right of the left bound I, and
    // futural is scaled by 200 / 32 = 6.25 grid units per Hershey unit.
    EXPECT_EQ(a["left"].get<int>(), 6);
    EXPECT_EQ(a["width"].get<int>(), 100);

    run = Korvofont(dir, {"build", json, "-o", rebuilt});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(test::ReadBytes(rebuilt) == test::ReadBytes(Sample("futural.dat")));

    // Without -o the JSON goes to standard output.
    run = Korvofont(dir, {"dump", Sample("futural.dat")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out), document);
}

TEST(Korvofont, InfoShowsTheGlyphTable) {
    TempDir dir;
    const CommandRun run = Korvofont(dir, {"info", Sample("futural.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Font:            futural\n"));
    EXPECT_THAT(run.out, HasSubstr("Defined glyphs:  95\n"))
        << "96 glyphs, the space has no strokes";
    EXPECT_THAT(run.out, HasSubstr("\n   65  A   "));
}

TEST(Korvofont, BuildRejectsBadInputAndWritesNothing) {
    struct Case {
        const char* what;
        const char* json;
        const char* message;
    };
    const Case cases[] = {
        {"not JSON", "{\"glyphs\": [", "is not valid JSON: parse error at line 1, column 13"},
        {"no glyph list", "{\"name\": \"x\"}", "\"glyphs\" list"},
        {"code too large", R"({"glyphs": [{"code": 256, "commands": []}]})", "from 0 to 255"},
        {"negative code", R"({"glyphs": [{"code": -1, "commands": []}]})", "from 0 to 255"},
        {"coordinate too large", R"({"glyphs": [{"code": 65, "commands": [["m", 0, 201]]}]})",
         "glyphs[0].commands[0]: coordinates must be whole numbers from 0 to 200"},
        {"fractional coordinate", R"({"glyphs": [{"code": 65, "commands": [["d", 1.5, 2]]}]})",
         "from 0 to 200"},
        {"unknown letter", R"({"glyphs": [{"code": 65, "commands": [["x", 1, 2]]}]})",
         "unknown command letter \"x\""},
        {"duplicate code",
         R"({"glyphs": [{"code": 65, "commands": []}, {"code": 65, "commands": []}]})",
         "code 65 appears more than once"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        test::WriteText(dir.File("in.json"), c.json);
        const CommandRun run =
            Korvofont(dir, {"build", dir.File("in.json"), "-o", dir.File("out.dat")});
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_THAT(run.err, HasSubstr(c.message)) << c.what;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.dat"))) << c.what;
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
    const std::vector<std::uint8_t> damaged = {'K', 'o', 'r', 'v', 'o', ' ', 'V', 'S', ' ', '-',
                                               ' ', '3', '.', '0', '1', ' ', 65,  9,   1,   'm'};
    test::WriteBytes(dir.File("damaged.dat"), damaged);
    test::WriteText(dir.File("bad.jhf"), "12345  2JZ\n12345 xyJZ\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"info", dir.File("missing.dat")}, 1, "not found !"},
        {{"dump", dir.File("damaged.dat")}, 2, "character record 1 (byte offset 17)"},
        {{"info", dir.File("damaged.dat")}, 2, "is damaged"},
        {{"build", dir.File("missing.json"), "-o", dir.File("x.dat")}, 1, "cannot read"},
        {{"import-jhf", dir.File("bad.jhf"), "-o", dir.File("x.dat")}, 2, "line 1:"},
        {{"import-jhf", "/usr/share/hershey-fonts/futural.jhf", "-o", dir.File("no/x.dat")},
         1,
         "cannot create"},
        {{"import-jhf", "/usr/share/hershey-fonts/futural.jhf", "-o", dir.File("x.dat"),
          "--first-code", "0"},
         2,
         "--first-code"},
        {{"frobnicate"}, 2, ""},
        {{}, 2, ""},
        {{"dump", "--help"}, 0, ""},
    };
    for (const Case& c : cases) {
        const CommandRun run = Korvofont(dir, c.args);
        const std::string what = c.args.empty() ? "(no arguments)" : c.args[0];
        EXPECT_EQ(run.status, c.status) << what << "\n" << run.err;
        EXPECT_THAT(run.err + run.out, HasSubstr(c.message)) << what;
    }
}

}  // namespace
}  // namespace korvo
