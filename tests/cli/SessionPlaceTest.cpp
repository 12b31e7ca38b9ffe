// The parallel, polygon, erase, fit, placement and clipboard tools through korvofont session:
// one editing session that uses each of them, checked by the drawing it leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "SessionScript.h"
#include "support/KorvofontRun.h"

namespace korvo {
namespace {

using nlohmann::json;
using test::CommandRun;
using test::Korvofont;
using test::Sample;
using test::TempDir;

json Line(double x1, double y1, double x2, double y2, int mark) {
    return {{"type", "line"}, {"x1", x1},   {"y1", y1},    {"x2", x2},
            {"y2", y2},       {"level", 1}, {"mark", mark}};
}

json Triangle(double x, double y, int mark) {
    return {{"type", "polygon"},
            {"points", {{x, y}, {x + 10, y}, {x + 10, y + 10}}},
            {"level", 1},
            {"mark", mark}};
}

TEST(SessionPlace, EveryToolLeavesItsMarkOnTheDrawing) {
    TempDir dir;
    const std::string font = dir.File("font.dat");
    std::filesystem::copy_file(Sample("futural.dat"), font);
    const std::string drawing = dir.File("d.json");
    test::WriteText(dir.File("script.txt"),
                    "size 2490 1410\n"
                    "command 41030     # Zoom original: 4 pixels a unit\n"
                    "command 41040     # Line\n"
                    "click 10 10\n"
                    "click 30 10\n"
                    "rclick 30 10\n"
                    "command 41045     # Parallel: pick the line, copy it through a point\n"
                    "click 20 10\n"
                    "click 20 14\n"
                    "rclick 20 14\n"
                    "command 41234     # Polygon\n"
                    "click 50 50\n"
                    "click 60 50\n"
                    "click 60 60\n"
                    "rclick 60 60\n"
                    "command 41022     # Select all\n"
                    "command 57634     # Copy, which deselects\n"
                    "move 100 100\n"
                    "command 57637     # Paste, centred on the pointer\n"
                    "click 100 100\n"
                    "rclick 100 100\n"
                    "command 41033     # Erase the pasted copies, still selected\n"
                    "move 0 100\n"
                    "tool 19078        # Load symbol: the copied elements, held by their origin\n"
                    "click 0 100\n"
                    "rclick 0 100\n"
                    "command 57635     # Cut the placed copies\n"
                    "move 600 100\n"
                    "command 57637     # Paste them again, reaching past the right edge\n"
                    "click 600 100\n"
                    "rclick 600 100\n"
                    "command 41163     # Fit paper: the drawing moves to the origin\n");
    const CommandRun run =
        Korvofont(dir, {"session", font, dir.File("script.txt"), "--drawing", drawing});
    ASSERT_EQ(run.status, 0) << run.err;
    // The cut copies lay 100 above the originals; pasted centred on (600, 100) their middle
    // (35, 135) moved by (565, -35); fitting then moved everything by (-10, -10).
    const json expected = {Line(0, 0, 20, 0, 0),      Line(0, 4, 20, 4, 0),
                           Triangle(40, 40, 0),       Line(565, 65, 585, 65, 1),
                           Line(565, 69, 585, 69, 1), Triangle(605, 105, 1)};
    EXPECT_EQ(json::parse(test::ReadText(drawing))["elements"], expected);
}

TEST(SessionPlace, ToolLinesWantOneId) {
    const struct {
        std::string line;
        bool valid;
    } cases[] = {{"tool 19078", true},
                 {"tool", false},
                 {"tool 1 2", false},
                 {"tool -1", false},
                 {"tool x", false}};
    for (const auto& c : cases) {
        const SessionScript script = ParseSessionScript(c.line);
        EXPECT_EQ(script.errors.empty(), c.valid) << c.line;
        if (c.valid) {
            ASSERT_EQ(script.lines.size(), 1u);
            EXPECT_EQ(script.lines[0].verb, SessionVerb::Tool);
            EXPECT_EQ(script.lines[0].id, 19078);
        }
    }
}

}  // namespace
}  // namespace korvo
