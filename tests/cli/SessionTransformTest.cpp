// korvofont session: each transform tool once through the executable, from its command to the
// drawing JSON.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/KorvofontRun.h"

namespace korvo {
namespace {

using nlohmann::json;
using test::CommandRun;
using test::Korvofont;
using test::Sample;
using test::TempDir;

// A line from (10, 10) to (30, 10), drawn and selected, on the whole sheet at 4 pixels per unit.
constexpr const char* kSelectedLine =
    "size 2490 1410\n"
    "command 41030     # Zoom original\n"
    "command 41040     # Line\n"
    "click 10 10\n"
    "click 30 10\n"
    "rclick 0 0\n"
    "command 41022     # Select all\n";

struct Expected {
    double x1, y1, x2, y2;
    int mark;
};

TEST(SessionTransform, EachToolReachesTheDrawingThroughItsCommand) {
    struct Case {
        const char* name;
        const char* script;
        std::vector<Expected> lines;
    };
    const Case cases[] = {
        {"move, turned half round on the keypad",
         "command 41034\nclick 10 10\nkey kp_add\nkey kp_add\nclick 100 100\n",
         {{100, 100, 80, 100, 1}}},
        {"copy",
         "command 41228\nclick 0 0\nclick 5 50\n",
         {{10, 10, 30, 10, 0}, {15, 60, 35, 60, 1}}},
        {"rotated copy with ctrl",
         "command 41086\nclick 10 10\nclick 30 10\nclick 10 30 ctrl\n",
         {{10, 10, 30, 10, 1}, {10, 10, 10, 30, 0}}},
        {"scale", "command 41087\nclick 10 10\nclick 30 20\n", {{10, 10, 50, 10, 1}}},
        {"mirror", "command 41090\nclick 0 20\nclick 50 20\n", {{10, 30, 30, 30, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string font = dir.File("font.dat");
        std::filesystem::copy_file(Sample("futural.dat"), font);
        test::WriteText(dir.File("script.txt"), std::string(kSelectedLine) + c.script);
        const std::string drawing = dir.File("d.json");
        const CommandRun run =
            Korvofont(dir, {"session", font, dir.File("script.txt"), "--drawing", drawing});
        ASSERT_EQ(run.status, 0) << run.err;
        const json elements = json::parse(test::ReadText(drawing))["elements"];
        ASSERT_EQ(elements.size(), c.lines.size()) << elements.dump();
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const json& e = elements[i];
            const Expected& want = c.lines[i];
            EXPECT_EQ(e["type"], "line");
            EXPECT_NEAR(e["x1"].get<double>(), want.x1, 1e-3) << e.dump();
            EXPECT_NEAR(e["y1"].get<double>(), want.y1, 1e-3) << e.dump();
            EXPECT_NEAR(e["x2"].get<double>(), want.x2, 1e-3) << e.dump();
            EXPECT_NEAR(e["y2"].get<double>(), want.y2, 1e-3) << e.dump();
            EXPECT_EQ(e["mark"], want.mark) << e.dump();
        }
    }
}

}  // namespace
}  // namespace korvo
