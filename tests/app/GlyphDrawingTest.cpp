#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "app/KorvoFEDoc.h"
#include "font/GlyphStream.h"
#include "model/DataCollection.h"
#include "model/DrawObjPolygon.h"
#include "model/Paper.h"
#include "resources/StringTable.h"
#include "support/DocumentInvariants.h"
#include "support/ScriptedDocumentHost.h"

namespace korvo {
namespace {

struct El {
    char kind;  // 'l' line, 'p' point, 'e' ellipse (cx, cy, a, b, start, end)
    std::vector<float> v;
    std::uint16_t level = 1;
};

// A fresh document with a drawing on its sheet.
struct Drawing {
    explicit Drawing(const std::vector<El>& elements) {
        doc.OnNewDocument();
        for (const El& e : elements) {
            Add(e);
        }
    }

    CData* Add(const El& e) { return doc.GetPaper()->AddNode(Make(e)); }

    static std::unique_ptr<CData> Make(const El& e) {
        std::unique_ptr<CData> node;
        if (e.kind == 'l') {
            node = std::make_unique<CData>(kNodeLine);
            node->CreateLine(e.v[0], e.v[1], e.v[2], e.v[3], 0, 0.25f, 0, e.level);
        } else if (e.kind == 'p') {
            node = std::make_unique<CData>(kNodePoint);
            node->CreateCircle(e.v[0], e.v[1], 1.0f, 0, 0.25f, 0, 0, 0, 0, e.level);
        } else {
            node = std::make_unique<CData>(kNodeEllipse);
            node->CreateEllipse(e.v[0], e.v[1], e.v[2], e.v[3], e.v[4], e.v[5], 0, 0, 0.25f, 0,
                                e.level);
        }
        return node;
    }

    // Stores the drawing under code 65: the stream up to CMD_END, or nothing when refused.
    std::optional<std::vector<std::uint8_t>> Store() {
        if (doc.EncodeGlyph(doc.GetFont().Table(), 65) != 1) {
            return std::nullopt;
        }
        const auto stream = doc.GetFont().Table()->Entry(65).commands;
        return std::vector<std::uint8_t>(
            stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(StreamLength(stream)));
    }

    int Needed() {
        std::vector<CData*> list;
        doc.CollectAreaElements(list, kAreaLinesAndPoints);
        return CKorvoFEDoc::CountNeededPairs(list);
    }

    std::vector<std::array<float, 4>> Lines() {
        std::vector<std::array<float, 4>> lines;
        for (const CData* n : doc.GetPaper()->GetCollection()->CollectByType(1, 1, true)) {
            lines.push_back(
                {float(n->GetX1()), float(n->GetY1()), float(n->GetX2()), float(n->GetY2())});
        }
        return lines;
    }

    test::ScriptedDocumentHost host;
    CKorvoFEDoc doc{host};
};

TEST(GlyphDrawing, EncodesChainsPointsAndTruncation) {
    struct Case {
        const char* name;
        std::vector<El> drawing;
        std::vector<std::uint8_t> stream;
    };
    const Case cases[] = {
        {"point between lines goes last",
         {{'l', {0, 0, 1, 1}}, {'p', {7, 8}}, {'l', {5, 5, 6, 6}}},
         {201, 0, 0, 1, 1, 201, 5, 5, 6, 6, 202, 7, 8, 203}},
        {"empty", {}, {203}},
    };
    for (const Case& c : cases) {
        Drawing d(c.drawing);
        const auto stream = d.Store();
        ASSERT_TRUE(stream.has_value()) << c.name;
        EXPECT_EQ(*stream, c.stream) << c.name;
        EXPECT_TRUE(d.doc.IsModified());
        EXPECT_TRUE(test::CheckDocumentInvariants(*d.doc.GetPaper()).empty()) << c.name;
    }
    // Storing measures the glyph and the font's default advance again.
    Drawing square({{'l', {10, 10, 50, 10}}, {'l', {50, 10, 50, 50}}});
    square.Store();
    EXPECT_EQ(square.doc.GetFont().GetLeft(65), 10);
    EXPECT_EQ(square.doc.GetFont().GetGlyphWidth(65), 40);
    EXPECT_EQ(square.doc.GetFont().GetDefaultAdvance(), 40);
}

TEST(GlyphDrawing, DecodesPolylinesAndPoints) {
    using Lines = std::vector<std::array<float, 4>>;
    struct Case {
        std::vector<std::uint8_t> stream;
        Lines lines;
        int points;
    };
    const Case cases[] = {
        {{201, 0, 0, 100, 200, 200, 0, 202, 100, 100, 203},
         {{0, 0, 100, 200}, {100, 200, 200, 0}},
         1},
        {{10, 10, 201, 0, 0, 5, 5, 203}, {{0, 0, 5, 5}}, 0},  // a pair before any command: nothing
        {{202, 1, 1, 2, 2, 3, 3, 203}, {}, 1},  // later pairs after a point make nothing
        {{203}, {}, 0},
        // Damaged streams: coordinates pair up alternately, whatever command bytes fall between.
        {{201, 10, 20, 30, 201, 40, 50, 60, 203}, {{30, 40, 50, 60}}, 0},
        {{202, 5, 201, 6, 7, 8, 203}, {{5, 6, 7, 8}}, 0},
    };
    for (const Case& c : cases) {
        Drawing d({});
        // The raw stream goes into a pooled table, which takes bytes as they stand.
        CFontTable raw;
        raw.Init(0);
        std::vector<std::uint8_t> pool = c.stream;
        pool.push_back(0);
        raw.AdoptPool(pool);
        raw.SetPooledEntry(65, 0, 0, 0);
        EXPECT_EQ(d.doc.DecodeGlyph(&raw, 65), 1);
        EXPECT_EQ(d.Lines(), c.lines) << int(c.stream[0]) << " " << c.stream.size();
        const auto* nodes = d.doc.GetPaper()->GetCollection();
        EXPECT_EQ(nodes->CollectByType(kNodePoint, kNodePoint, true).size(), std::size_t(c.points));
    }
    Drawing d({});
    EXPECT_EQ(d.doc.DecodeGlyph(d.doc.GetFont().Table(), 70), 0);  // no stream
    EXPECT_EQ(d.doc.DecodeGlyph(nullptr, 70), 0);
}

TEST(GlyphDrawing, TrimsLinesAtTheDrawingArea) {
    struct Case {
        std::array<float, 4> line;
        std::array<float, 4> trimmed;
    };
    const Case cases[] = {
        {{30, -20, 30, 250}, {30, 0, 30, 200}},        // vertical
        {{-100, 0, 100, 200}, {0, 100, 100, 200}},     // oblique, start clipped
        {{-100, -100, 300, 300}, {0, 0, 200, 200}},    // both ends
        {{150, 250, 250, 150}, {200, 200, 200, 200}},  // box touches, line misses
        {{300, 300, 400, 400}, {300, 300, 400, 400}},  // box misses: untouched
        {{-10, 5, 0, -3}, {0, -3, 0, -3}},             // clipped onto its own end
    };
    for (const Case& c : cases) {
        Drawing d({{'l', {c.line[0], c.line[1], c.line[2], c.line[3]}}});
        d.doc.TrimLinesToArea(0);
        const auto line = d.Lines().at(0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(line[i], c.trimmed[i], 1e-4) << c.line[0] << " " << i;
        }
        EXPECT_TRUE(d.host.Messages().empty());  // ask 0 asks nothing
    }
    // Answering No to the question keeps every line as it was; the glyph is still stored.
    Drawing no({{'l', {-50, 100, 100, 100}}, {'l', {10, 10, 20, 20}}});
    no.host.Answer(MessageAnswer::No);
    const auto stream = no.Store();
    ASSERT_EQ(no.host.Messages().size(), 1u);
    EXPECT_EQ(no.host.Messages()[0].id, MessageId::String(IDS_TRIM_LINES));
    EXPECT_EQ(no.host.Messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(no.Lines().at(0)[0], -50.0f);
    EXPECT_EQ(*stream, (std::vector<std::uint8_t>{201, 10, 10, 20, 20, 203}));
}

TEST(GlyphDrawing, ConvertsArcsWithinTheLimit) {
    // A full circle with 4 lines (its stream: WholeEllipsesWithEqualEndsAreConvertedWhole).
    Drawing four({{'e', {100, 100, 50, 50, 0, 360}}});
    four.host.AnswerLineCount(4);
    ASSERT_TRUE(four.Store().has_value());
    EXPECT_EQ(four.doc.GetLineCount(), 4);
    EXPECT_EQ(four.doc.GetPaper()->GetCollection()->CollectByType(2, 2, true).size(), 0u);

    // An arc through 0 degrees, as many lines as fit ("max").
    Drawing wrap({{'e', {100, 100, 50, 50, 270, 90}}});
    wrap.host.AnswerLineCount(0);
    ASSERT_TRUE(wrap.Store().has_value());
    const auto lines = wrap.Lines();
    ASSERT_EQ(lines.size(), std::size_t((255 - 0 - 1) / 1 - 1));
    EXPECT_NEAR(lines.front()[0], 100, 1e-3);
    EXPECT_NEAR(lines.front()[1], 50, 1e-3);
    EXPECT_NEAR(lines.back()[3], 150, 1e-3);

    // 250 pairs already needed and two arcs: one line each still fits.
    std::vector<El> crowded;
    for (int i = 0; i < 125; ++i) {
        crowded.push_back({'l', {float(i), 0, float(i), 1}});
    }
    crowded.push_back({'e', {100, 100, 10, 10, 0, 90}});
    crowded.push_back({'e', {150, 100, 10, 10, 0, 90}});
    Drawing limit(crowded);
    ASSERT_EQ(limit.Needed(), 250);
    limit.host.AnswerLineCount(10);
    ASSERT_TRUE(limit.Store().has_value());
    EXPECT_EQ(limit.Lines().size(), 127u);

    // One arc more and not even a line each fits: refused with the count, nothing changed.
    crowded.push_back({'l', {190, 190, 195, 195}});
    crowded.push_back({'l', {190, 10, 195, 15}});
    Drawing full(crowded);
    ASSERT_EQ(full.Needed(), 254);
    EXPECT_FALSE(full.Store().has_value());
    ASSERT_EQ(full.host.Messages().size(), 1u);
    EXPECT_EQ(full.host.Messages()[0].id, MessageId::String(IDS_TOO_MANY_COMMANDS));
    EXPECT_EQ(full.host.Messages()[0].args, std::vector<MessageArg>{258LL});
    EXPECT_EQ(full.doc.GetPaper()->GetCollection()->CollectByType(2, 2, true).size(), 2u);
    EXPECT_FALSE(full.doc.IsModified());

    // Cancelling the dialog stores the lines and points as they are.
    Drawing cancel({{'e', {100, 100, 10, 10, 0, 90}}, {'l', {1, 1, 2, 2}}});
    cancel.host.AnswerLineCount(std::nullopt);
    EXPECT_EQ(*cancel.Store(), (std::vector<std::uint8_t>{201, 1, 1, 2, 2, 203}));
}

// Curves below curves, in groups, and only some of them selected: each curve to convert becomes
// lines exactly once, and whatever hung below a converted curve stays on the sheet.
TEST(GlyphDrawing, ConvertsEveryCurveOnceWhateverTheNesting) {
    struct Case {
        const char* what;
        bool inGroup;
        std::array<std::uint16_t, 3> marks;  // of the curves of radius 50, 20 and 10
        std::set<int> converted;             // radii of the curves that became lines
        int curvesLeft;
    };
    const Case cases[] = {
        {"nested three deep", false, {0, 0, 0}, {10, 20, 50}, 0},
        {"only the outer selected", false, {1, 0, 0}, {50}, 2},
        {"only the middle selected", true, {0, 1, 0}, {20}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Marks are set before the children come, as setting a mark marks the children too.
        auto curve = [&c](float radius, int i) {
            auto node = Drawing::Make({'e', {100, 100, radius, radius, 0, i == 2 ? 180.0f : 360}});
            node->SetMark(c.marks[i]);
            return node;
        };
        auto outer = curve(50, 0);
        outer->AddChild(Drawing::Make({'l', {10, 10, 20, 20}}));
        auto middle = curve(20, 1);
        middle->AddChild(curve(10, 2));
        outer->AddChild(std::move(middle));
        std::unique_ptr<CData> top = std::move(outer);
        if (c.inGroup) {
            auto group = std::make_unique<CData>(kNodeGroup);
            group->AddChild(std::move(top));
            top = std::move(group);
        }
        Drawing d({});
        d.doc.GetPaper()->AddNode(std::move(top));
        d.host.AnswerLineCount(4);

        ASSERT_EQ(d.doc.ConvertArcsToLines(), 1);
        std::multiset<int> radii;
        for (const auto& l : d.Lines()) {
            radii.insert(int(std::lround(std::hypot(l[0] - 100, l[1] - 100))));
        }
        EXPECT_EQ(radii.count(127), 1u) << "the line below the outer curve stays";
        for (const int radius : {10, 20, 50}) {
            EXPECT_EQ(radii.count(radius), c.converted.count(radius) * 4) << radius;
        }
        EXPECT_EQ(d.doc.GetPaper()->GetCollection()->CollectByType(2, 2, true).size(),
                  std::size_t(c.curvesLeft));
        EXPECT_EQ(test::CheckDocumentInvariants(*d.doc.GetPaper()), std::vector<std::string>{});
    }
}

// A curve whose ends coincide is whole to the element; Save Char stores it whole, like 0 to 360.
TEST(GlyphDrawing, WholeEllipsesWithEqualEndsAreConvertedWhole) {
    const std::vector<std::uint8_t> circle = {201, 150, 100, 100, 150, 50,
                                              100, 100, 50,  150, 100, 203};
    const std::pair<float, float> ends[] = {{0, 360}, {45, 45}, {-120, 240}};
    for (const auto& [start, end] : ends) {
        Drawing d({{'e', {100, 100, 50, 50, start, end}}});
        d.host.AnswerLineCount(4);
        EXPECT_EQ(d.Store(), circle) << start << " " << end;
    }
    // A rotated, flat ellipse keeps its rotation: the chain starts at the end of its own x axis.
    Drawing flat({});
    auto node = std::make_unique<CData>(kNodeEllipse);
    node->CreateEllipse(100, 100, 60, 30, 10, 10, 90, 0, 0.25f, 0, 1);
    flat.doc.GetPaper()->AddNode(std::move(node));
    flat.host.AnswerLineCount(4);
    ASSERT_EQ(flat.doc.ConvertArcsToLines(), 1);
    const auto lines = flat.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NEAR(lines.front()[0], 100, 1e-3);
    EXPECT_NEAR(lines.front()[1], 160, 1e-3);
    EXPECT_NEAR(lines.back()[3], 160, 1e-3);
}

// A polygon is stored by its closed outline; Convert to Lines outlines only the selected shapes.
TEST(GlyphDrawing, PolygonsAreStoredByTheirOutline) {
    const auto add = [](Drawing& d, const std::vector<PointF>& points, std::uint16_t mark = 0) {
        auto node = std::make_unique<CData>();
        node->SetElement(std::make_unique<CDrawObjPolygon>(points, 0, 250, 0, 0, 0, 0, 1));
        d.doc.GetPaper()->AddNode(std::move(node))->SetMark(mark);
    };
    const std::pair<std::vector<PointF>, std::vector<std::uint8_t>> cases[] = {
        {{{10, 10}, {10, 10}, {100, 10}, {50, 90}}, {201, 10, 10, 100, 10, 50, 90, 10, 10, 203}},
        {{{50, 50}, {50, 50}}, {202, 50, 50, 203}},
    };
    for (const auto& [points, stream] : cases) {
        Drawing d(std::vector<El>{});
        add(d, points);
        EXPECT_EQ(d.Store(), stream) << points.size();
    }
    Drawing marked({{'e', {100, 100, 10, 10, 0, 360}}});
    add(marked, {{10, 10}, {100, 10}, {50, 90}}, kMarkSelected);
    add(marked, {{20, 20}, {30, 20}, {30, 30}});
    marked.host.AnswerLineCount(4);  // were the circle converted, 4 lines more
    EXPECT_EQ(marked.doc.ConvertArcsToLines(), 1);
    EXPECT_EQ(marked.Lines().size(), 3u);
}

TEST(GlyphDrawing, RefusesMoreThan255Pairs) {
    std::vector<El> many;
    for (int i = 0; i < 128; ++i) {
        many.push_back({'l', {float(i), 0, float(i), 1}});
    }
    Drawing before(many);
    EXPECT_FALSE(before.Store().has_value());
    ASSERT_EQ(before.host.Messages().size(), 1u);
    EXPECT_EQ(before.host.Messages()[0].id, MessageId::String(IDS_TOO_MANY_COMMANDS));
    EXPECT_EQ(before.host.Messages()[0].args, std::vector<MessageArg>{256LL});
    EXPECT_FALSE(before.doc.GetFont().Table()->Entry(65).HasCommands());
    // Exactly 255 pairs still fit.
    std::vector<El> fits(many.begin(), many.begin() + 127);
    fits.push_back({'p', {50, 50}});
    EXPECT_EQ(Drawing(fits).Store()->size(), 5u * 127 + 3 + 1);

    // Within the limit until trimming brings a line into the area: refused after preparing,
    // and the trim stays done.
    std::vector<El> almost(many.begin(), many.begin() + 127);
    almost.push_back({'l', {-50, 100, 100, 100}});
    Drawing after(almost);
    ASSERT_EQ(after.Needed(), 254);
    EXPECT_FALSE(after.Store().has_value());
    EXPECT_EQ(after.host.Messages().back().id, MessageId::String(IDS_TOO_MANY_COMMANDS));
    EXPECT_EQ(after.host.Messages().back().args, std::vector<MessageArg>{256LL});
    EXPECT_EQ(after.Lines().back()[0], 0.0f);
}

// The storing rules read plainly from the drawing as it is after storing (trimmed, converted):
// lines inside the area in the collection's order, chained with the one before when they meet,
// then the points; coordinates truncated.
std::vector<GlyphCommand> PlainCommands(const CPaper& paper) {
    const CDataCollection& all = *paper.GetCollection();
    auto takesPart = [](const CData* n) {
        return n->GetElement() != nullptr && n->GetLevel() != kConstructionLevel;
    };
    auto grid = [](float v) { return std::uint8_t(std::clamp(int(v), 0, 200)); };
    std::vector<GlyphCommand> out;
    PointF last{-1.0e8f, -1.0e8f};
    for (const CData* n : all.CollectByType(kNodeLine, kNodeLine, true)) {
        const PointF s{float(n->GetX1()), float(n->GetY1())};
        const PointF e{float(n->GetX2()), float(n->GetY2())};
        if (!takesPart(n) || !CKorvoFEDoc::IsInDrawingArea(s.x, s.y) ||
            !CKorvoFEDoc::IsInDrawingArea(e.x, e.y)) {
            continue;
        }
        if (!(last == s) && !(last == e)) {
            out.push_back({GlyphOp::Move, grid(s.x), grid(s.y)});
        }
        const PointF to = last == s ? e : (last == e ? s : e);
        out.push_back({GlyphOp::Draw, grid(to.x), grid(to.y)});
        last = to;
    }
    for (const CData* n : all.CollectByType(kNodePoint, kNodePoint, true)) {
        if (takesPart(n) && CKorvoFEDoc::IsInDrawingArea(n->GetX1(), n->GetY1())) {
            out.push_back({GlyphOp::Point, grid(float(n->GetX1())), grid(float(n->GetY1()))});
        }
    }
    return out;
}

// Random drawings on a coarse set of coordinates, so lines meet, cross the area's edge and sit
// on its tolerance; some are nested in others, on the construction level, or curves.
TEST(GlyphDrawing, StoredStreamMatchesThePlainReadingOfTheDrawing) {
    const float coords[] = {-0.000005f, 0, 3, 3.7f, 100, 199.5f, 200, 200.000005f, -5, 230};
    std::mt19937 random(11);
    auto coord = [&] { return coords[random() % std::size(coords)]; };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        Drawing d({});
        d.host.Answer(round % 2 == 0 ? MessageAnswer::Yes : MessageAnswer::No);
        CData* parent = nullptr;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            const unsigned kind = random() % 10;
            El e{kind < 6 ? 'l' : (kind < 9 ? 'p' : 'e'), {coord(), coord(), coord(), coord()}};
            if (e.kind == 'e') {
                e.v = {100, 100, 20, 10, 0, 90};
            }
            e.level = random() % 8 == 0 ? kConstructionLevel : 1;
            if (parent != nullptr && random() % 4 == 0) {
                parent->AddChild(Drawing::Make(e));
            } else {
                parent = d.Add(e);
            }
        }
        const int needed = d.Needed();
        EXPECT_EQ(needed, int(PlainCommands(*d.doc.GetPaper()).size()));
        const auto stream = d.Store();
        ASSERT_TRUE(stream.has_value());
        EXPECT_EQ(ReadGlyphCommands(*stream), PlainCommands(*d.doc.GetPaper()));
    }
}

}  // namespace
}  // namespace korvo
