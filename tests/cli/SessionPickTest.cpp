// Trim, extend, join and break reached through their commands in a korvofont session, checked on
// the drawing the session writes.
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

json Line(double x1, double y1, double x2, double y2) {
    return json{{"type", "line"}, {"x1", x1},   {"y1", y1}, {"x2", x2},
                {"y2", y2},       {"level", 1}, {"mark", 0}};
}

// At 4 pixels per unit (Zoom original in 2490 x 1410 pixels) clicks land on the points named.
TEST(SessionPick, TrimExtendJoinAndBreakEditTheDrawnLines) {
    TempDir dir;
    const std::string font = dir.File("font.dat");
    std::filesystem::copy_file(Sample("futural.dat"), font);
    const std::string drawing = dir.File("d.json");
    test::WriteText(dir.File("script.txt"),
                    "size 2490 1410\n"
                    "command 41030     # Zoom original\n"
                    "command 41040     # Line: five lines\n"
                    "click 100 20\nclick 100 180\nrclick 0 0\n"
                    "click 40 60\nclick 160 60\nrclick 0 0\n"
                    "click 40 120\nclick 90 120\nrclick 0 0\n"
                    "click 20 150\nclick 60 150\nrclick 0 0\n"
                    "click 80 170\nclick 80 140\nrclick 0 0\n"
                    "command 41091     # Trim at the vertical line, the left half clicked\n"
                    "click 100 40\nclick 60 60\nrclick 0 0\n"
                    "command 41089     # Extend to the vertical line, the end half clicked\n"
                    "click 100 100\nclick 80 120\nrclick 0 0\n"
                    "command 41039     # Join: one lengthened, the other cut back\n"
                    "click 50 150\nclick 80 160\nrclick 0 0\n"
                    "command 41088     # Break the vertical line between 80 and 50\n"
                    "click 100 100\nclick 100 80\nclick 100 50\nrclick 0 0\n");
    const CommandRun run =
        Korvofont(dir, {"session", font, dir.File("script.txt"), "--drawing", drawing});
    ASSERT_EQ(run.status, 0) << run.err;
    const json expected = {Line(100, 20, 100, 50), Line(100, 60, 160, 60), Line(40, 120, 100, 120),
                           Line(20, 150, 80, 150), Line(80, 170, 80, 150), Line(100, 80, 100, 180)};
    EXPECT_EQ(json::parse(test::ReadText(drawing))["elements"], expected);
}

}  // namespace
}  // namespace korvo
