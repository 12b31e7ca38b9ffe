// decode, encode and put: the drawing JSON form, the executable end to end, and every glyph of
// the sample fonts through the editor's own document.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "CliDocumentHost.h"
#include "app/KorvoFEDoc.h"
#include "font/GlyphStream.h"
#include "json/DrawingJson.h"
#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/KorvofontRun.h"

namespace korvo {
namespace {

using nlohmann::json;
using test::CommandRun;
using test::Korvofont;
using test::Sample;
using test::TempDir;
using ::testing::HasSubstr;
using Args = std::vector<std::string>;

json Line(double x1, double y1, double x2, double y2) {
    return {{"type", "line"}, {"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}};
}

std::string Drawing(const std::vector<json>& elements) {
    return json{{"elements", elements}}.dump();
}

TEST(DrawingJson, RoundTripKeepsOrderAndEveryFloatBit) {
    CPaper paper;
    auto node = [](std::int32_t type) { return std::make_unique<CData>(type); };
    auto ellipse = node(kNodeEllipse);
    ellipse->CreateEllipse(1e-7f, 3.4e38f, 12.5f, 1.0f / 3, 30.0f, 390.5f, -45.0f, 0, 0.25f, 0, 20);
    paper.AddNode(std::move(ellipse));
    auto group = node(kNodeGroup);
    auto point = node(kNodePoint);
    point->CreateCircle(0.1f, std::nextafter(200.0f, 0.0f), 1.0f, 0, 0.25f, 0, 0, 0, 0, 1);
    group->AddChild(std::move(point));
    auto line = node(kNodeLine);
    line->CreateLine(-0.0f, 16777216.0f, 2.0f / 3, 99.9999f, 0, 0.25f, 0, 7);
    group->AddChild(std::move(line));
    paper.AddNode(std::move(group));

    auto bits = [](const CData& n) {
        std::vector<std::uint32_t> out{static_cast<std::uint32_t>(n.GetType()), n.GetLevel()};
        for (auto get : {&CData::GetX1, &CData::GetY1, &CData::GetX2, &CData::GetY2,
                         &CData::GetAxisA, &CData::GetAxisB, &CData::GetAngle,
                         &CData::GetStartAngle, &CData::GetEndAngle, &CData::GetRadius}) {
            out.push_back(std::bit_cast<std::uint32_t>(static_cast<float>((n.*get)())));
        }
        return out;
    };
    const std::string text = WriteDrawingJson(paper);
    DrawingRead read = ReadDrawingJson(text);
    const std::vector<CData*> written =
        paper.GetCollection()->CollectByType(kNodeLine, kNodePoint, true);
    ASSERT_EQ(read.nodes.size(), 3u);
    CPaper again;
    for (std::size_t i = 0; i < read.nodes.size(); ++i) {
        EXPECT_EQ(bits(*read.nodes[i]), bits(*written[i])) << i;
        // What the drawing tools give a new element.
        EXPECT_EQ(read.nodes[i]->GetStyle() + read.nodes[i]->GetColor(), 0u) << i;
        EXPECT_DOUBLE_EQ(read.nodes[i]->GetWidth(), 0.25) << i;
        again.AddNode(std::move(read.nodes[i]));
    }
    EXPECT_EQ(WriteDrawingJson(again), text);
}

TEST(DrawingJson, MalformedInputNamesThePlaceAndMakesNothing) {
    auto point = [](const char* key, const json& value) {
        json changed = {{"type", "point"}, {"x", 1}, {"y", 2}};
        changed[key] = value;
        return Drawing({Line(0, 0, 1, 1), changed});
    };
    const std::pair<std::string, std::string> cases[] = {
        {"{\n  \"elements\": [\n    {\"type\": \"line\",}\n]}",
         "not valid JSON: parse error at line 3"},
        {"[1, 2]", "an object with an \"elements\" list"},
        {R"({"elements": [5]})", "elements[0]: an element is an object"},
        {R"({"elements": [{"x": 1}]})", "elements[0]: \"type\" must be \"line\", \"point\""},
        {R"({"elements": [{"type": "circle"}]})", "or \"ellipse\", not \"circle\""},
        {Drawing({Line(0, 0, 1, 1), {{"type", "line"}, {"x1", 0}, {"y1", 0}, {"x2", 1}}}),
         "elements[1]: \"y2\" is missing"},
        {point("x", "1"), "elements[1]: \"x\" must be a number within the range of a float"},
        {point("x", 1e39), "\"x\" must be a number within the range of a float"},
        {point("level", 1.5), "\"level\" must be a whole number from 0 to 65535"},
        {point("radius", 2), "elements[1]: \"radius\" is not a key of a point"},
    };
    for (const auto& [text, message] : cases) {
        const DrawingRead read = ReadDrawingJson(text);
        EXPECT_TRUE(read.nodes.empty()) << text;
        ASSERT_EQ(read.errors.size(), 1u) << text;
        EXPECT_THAT(read.errors[0], HasSubstr(message)) << text;
    }
}

TEST(GlyphCommands, DrawingOverTheLimitIsRefusedAndNothingWritten) {
    TempDir dir;
    // Lines that share no end need two pairs each.
    std::vector<json> lines;
    for (int i = 0; i < 134; ++i) {
        lines.push_back(Line(i, 0, i, 10));
    }
    const std::string font = dir.File("font.dat");
    const std::string big = dir.File("big.json");
    std::filesystem::copy_file(Sample("futural.dat"), font);
    test::WriteText(big, Drawing(lines));
    for (const Args& args : {Args{"encode", big}, Args{"put", font, "200", big},
                             Args{"put", font, "200", big, "-o", dir.File("out.dat")}}) {
        const CommandRun run = Korvofont(dir, args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_THAT(run.err, HasSubstr("The drawing-area has too many lines and points."));
        EXPECT_THAT(run.err, HasSubstr("They need 268 drawing-commands"));
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(test::ReadBytes(font) == test::ReadBytes(Sample("futural.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.dat")));
}

TEST(GlyphCommands, PutStoresTheGlyphAndDecodeReadsItBack) {
    TempDir dir;
    const std::string font = dir.File("font.dat");
    std::filesystem::copy_file(Sample("futural.dat"), font);
    test::WriteText(dir.File("d.json"), Drawing({Line(120, 30, 20, 30),
                                                 Line(20, 180, 20, 30),
                                                 {{"type", "point"}, {"x", 70.9}, {"y", 99.5}}}));
    CommandRun run =
        Korvofont(dir, {"put", font, "200", dir.File("d.json"), "-o", dir.File("new.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(test::ReadBytes(font) == test::ReadBytes(Sample("futural.dat")));
    run = Korvofont(dir, {"info", dir.File("new.dat")});
    EXPECT_THAT(run.out, HasSubstr("Defined glyphs:  96\n")) << "the space has no strokes";
    // m 120 30, d 20 30, d 20 180 (the second line is stored backwards), o 70 99.
    EXPECT_THAT(run.out, HasSubstr("\n  200           4    20    100\n"));

    // Without -o the font itself is replaced, and the other glyphs stay as they were.
    ASSERT_EQ(Korvofont(dir, {"put", font, "200", dir.File("d.json")}).status, 0);
    EXPECT_TRUE(test::ReadBytes(font) == test::ReadBytes(dir.File("new.dat")));
    json glyphs = json::parse(Korvofont(dir, {"dump", font}).out)["glyphs"];
    ASSERT_EQ(glyphs.back()["code"], 200);
    glyphs.erase(glyphs.size() - 1);
    EXPECT_EQ(glyphs, json::parse(Korvofont(dir, {"dump", Sample("futural.dat")}).out)["glyphs"]);

    run = Korvofont(dir, {"decode", font, "200"});
    ASSERT_EQ(run.status, 0) << run.err;
    json expected = {
        Line(120, 30, 20, 30), Line(20, 30, 20, 180), {{"type", "point"}, {"x", 70}, {"y", 99}}};
    for (json& element : expected) {
        element["level"] = 1;
    }
    EXPECT_EQ(json::parse(run.out)["elements"], expected);
}

TEST(GlyphCommands, TrimAndArcLinesOptions) {
    TempDir dir;
    const std::vector<json> crossing = {Line(-50, 100, 100, 100), Line(10, 10, 20, 20)};
    const std::vector<json> circle = {json::parse(
        R"({"type": "ellipse", "cx": 100, "cy": 100, "a": 50, "b": 50, "rotation": 0,
            "start": 0, "end": 360})")};
    struct Case {
        std::vector<json> elements;
        Args options;
        std::size_t pairs;
        json commands;  // null: any closed chain of that many pairs
    };
    const Case cases[] = {
        {crossing, {}, 4, {{"m", 0, 100}, {"d", 100, 100}, {"m", 10, 10}, {"d", 20, 20}}},
        {crossing, {"--trim", "no"}, 2, {{"m", 10, 10}, {"d", 20, 20}}},
        {circle, {"--arc-lines", "4"}, 5, nullptr},
        // The dialog's preset of 10 lines.
        {circle, {}, 11, nullptr},
        // The room is counted with one pair per curve to spare: 253 lines, 254 pairs.
        {circle, {"--arc-lines", "max"}, 254, nullptr},
    };
    for (const Case& c : cases) {
        test::WriteText(dir.File("d.json"), Drawing(c.elements));
        Args args = {"encode", dir.File("d.json")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CommandRun run = Korvofont(dir, args);
        ASSERT_EQ(run.status, 0) << run.err;
        const json commands = json::parse(run.out)["commands"];
        ASSERT_EQ(commands.size(), c.pairs) << Drawing(c.elements);
        if (!c.commands.is_null()) {
            EXPECT_EQ(commands, c.commands) << Drawing(c.elements);
        } else {
            EXPECT_EQ(commands.front()[1], commands.back()[1]);
            EXPECT_EQ(commands.front()[2], commands.back()[2]);
        }
    }
}

// What a stream draws when loaded: its lines, each as its sorted end points, and its points.
std::multiset<std::vector<int>> StrokesOf(std::span<const std::uint8_t> stream) {
    std::multiset<std::vector<int>> strokes;
    std::optional<std::pair<int, int>> pen;
    for (const GlyphCommand& c : ReadGlyphCommands(stream)) {
        const std::pair<int, int> p{c.x, c.y};
        if (c.op == GlyphOp::Point) {
            strokes.insert({p.first, p.second});
            pen.reset();
        } else if (c.op == GlyphOp::Move) {
            pen = p;
        } else if (pen) {
            const auto [a, b] = std::minmax(*pen, p);
            strokes.insert({a.first, a.second, b.first, b.second});
            pen = p;
        }
    }
    return strokes;
}

// Load Char onto a fresh sheet, through the drawing JSON onto another, Save Char into `into`.
std::vector<std::uint8_t> Cycle(const CFontTable& from, CFontTable& into, int code) {
    CCliDocumentHost host;
    CKorvoFEDoc loader(host);
    CKorvoFEDoc storer(host);
    loader.OnNewDocument();
    storer.OnNewDocument();
    EXPECT_EQ(loader.DecodeGlyph(&from, code), 1) << code;
    DrawingRead drawing = ReadDrawingJson(WriteDrawingJson(*loader.GetPaper()));
    for (auto& node : drawing.nodes) {
        storer.GetPaper()->AddNode(std::move(node));
    }
    EXPECT_EQ(storer.EncodeGlyph(&into, code), 1) << code;
    EXPECT_EQ(host.MessageCount(), 0) << code;
    const auto stream = into.Entry(code).commands;
    return {stream.begin(), stream.begin() + StreamLength(stream)};
}

TEST(GlyphRoundTrip, EveryGlyphOfTheSampleFontsIsStable) {
    for (const std::string name : {"futural.dat", "gothiceng.dat", "scripts.dat"}) {
        CCliDocumentHost host;
        CKorvoFont font;
        ASSERT_TRUE(font.LoadFontFile(Sample(name), 1, host).IsClean()) << name;
        CFontTable first;
        CFontTable second;
        first.Init(1);
        second.Init(1);
        int checked = 0;
        for (int code = 0; code < CFontTable::kGlyphCount; ++code) {
            if (font.Table()->Entry(code).HasCommands()) {
                const std::vector<std::uint8_t> once = Cycle(*font.Table(), first, code);
                EXPECT_EQ(Cycle(first, second, code), once) << name << " " << code;
                EXPECT_EQ(StrokesOf(font.Table()->Entry(code).commands), StrokesOf(once))
                    << name << " " << code;
                ++checked;
            }
        }
        EXPECT_EQ(checked, font.Table()->DefinedCount()) << name;
        EXPECT_GT(checked, 90) << name;
    }
}

}  // namespace
}  // namespace korvo
