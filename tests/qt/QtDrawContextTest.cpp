#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <random>
#include <vector>

#include "QtDrawContext.h"
#include "support/GoldenImage.h"

namespace korvo {
namespace {

constexpr ColorRef kBlack = MakeColor(0, 0, 0);
constexpr ColorRef kRed = MakeColor(220, 30, 30);
constexpr ColorRef kBlue = MakeColor(30, 60, 200);
constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kBlackPixel = 0xFF000000;
using Draw = std::function<void(IDrawContext&)>;

QImage Blank(int width, int height, QRgb fill = kWhitePixel) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// Every pixel different from its neighbours, so raster operations show what they did.
QImage Patterned(int size) {
    QImage image = Blank(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.setPixel(x, y, qRgb(x * 5, y * 5, (x ^ y) * 7 & 0xFF));
        }
    }
    return image;
}

QImage Render(QImage image, const Draw& draw) {
    QPainter painter(&image);
    {
        CQtDrawContext dc(painter, false);
        draw(dc);
    }
    painter.end();
    return image;
}

int CountDifferent(const QImage& a, const QImage& b, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

void Line(IDrawContext& dc, DevicePoint from, DevicePoint to) {
    dc.MoveTo(from);
    dc.LineTo(to);
}

Draw LineWith(const Pen& pen, DevicePoint from, DevicePoint to) {
    return [=](IDrawContext& dc) {
        dc.SelectPen(pen);
        Line(dc, from, to);
    };
}

template <std::size_t N>
Draw PolygonWith(const Brush& brush, const DevicePoint (&points)[N]) {
    return [=](IDrawContext& dc) {
        dc.SelectBrush(brush);
        dc.Polygon(points);
    };
}

// A zero-length stroke of a wide round pen is a dot as wide as the pen; flat ends leave nothing.
TEST(QtDrawContext, ZeroLengthWideStrokes) {
    const struct {
        PenCap cap;
        int minimum, maximum;
    } cases[] = {{PenCap::Round, 20, 40}, {PenCap::Flat, 0, 0}};
    for (const auto& c : cases) {
        const Pen pen{PenStyle::Solid, kBlack, true, 6, c.cap};
        const QImage image = Render(Blank(21, 21), LineWith(pen, {10, 10}, {10, 10}));
        const int set = CountDifferent(image, Blank(21, 21), image.rect());
        EXPECT_GE(set, c.minimum);
        EXPECT_LE(set, c.maximum);
        EXPECT_EQ(image.pixel(10 + 5, 10), kWhitePixel);  // no wider than the pen
    }
}

TEST(QtDrawContext, RasterOperationsUndoThemselvesWhenDrawnTwice) {
    const DevicePoint triangle[] = {{4, 30}, {20, 4}, {36, 30}};
    const struct {
        const char* name;
        RasterOp op;
        Draw draw;
    } cases[] = {
        // clang-format off
        {"opaque dashes", RasterOp::XorPen, LineWith({PenStyle::DashDot, kRed}, {2, 30}, {38, 5})},
        {"wide line", RasterOp::XorPen, LineWith({PenStyle::Solid, kBlue, true, 7}, {6, 6}, {30, 28})},
        {"hatched polygon", RasterOp::XorPen, PolygonWith({BrushStyle::Hatched, kBlue, 5}, triangle)},
        {"rectangle", RasterOp::XorPen, [](IDrawContext& dc) { dc.Rectangle({3, 5, 30, 22}); }},
        {"focus rectangle", RasterOp::CopyPen, [](IDrawContext& dc) { dc.FocusRect({2, 2, 33, 17}); }},
        {"inverted rectangle", RasterOp::CopyPen, [](IDrawContext& dc) { dc.InvertRect({8, 1, 20, 39}); }},
        // clang-format on
    };
    // 24-bit images are not written directly but go through QPainter's raster operations.
    for (const auto format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        const QImage original = Patterned(40).convertToFormat(format);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " in format " << format);
            const Draw once = [&](IDrawContext& dc) {
                dc.SetRasterOp(c.op);
                c.draw(dc);
            };
            const QImage drawnOnce = Render(original, once);
            EXPECT_GT(CountDifferent(drawnOnce, original, original.rect()), 10);
            EXPECT_EQ(Render(drawnOnce, once), original);
        }
    }
}

TEST(QtDrawContext, RasterOperationsCombinePenAndPixelBitwise) {
    const struct {
        RasterOp op;
        QRgb (*expected)(QRgb pen, QRgb pixel);
    } cases[] = {
        {RasterOp::CopyPen, [](QRgb pen, QRgb) { return pen; }},
        {RasterOp::XorPen, [](QRgb pen, QRgb pixel) { return (pen ^ pixel) | kBlackPixel; }},
        {RasterOp::NotXorPen, [](QRgb pen, QRgb pixel) { return ~(pen ^ pixel) | kBlackPixel; }},
        {RasterOp::Invert, [](QRgb, QRgb pixel) { return ~pixel | kBlackPixel; }},
    };
    // 24-bit images paint the same bytes: ImageLinesTest compares both ways for every operation.
    const QImage original = Patterned(24);
    for (const auto& c : cases) {
        const QImage image = Render(original, [&](IDrawContext& dc) {
            dc.SetRasterOp(c.op);
            LineWith({PenStyle::Solid, kRed}, {0, 5}, {24, 5})(dc);
        });
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(image.pixel(x, 5), c.expected(qRgb(220, 30, 30), original.pixel(x, 5)))
                << "operation " << static_cast<int>(c.op);
        }
    }
}

TEST(QtDrawContext, XorPolylinesAndPolygonsKeepEveryJointPixel) {
    const DevicePoint points[] = {{2, 2}, {20, 2}, {20, 14}, {4, 18}, {8, 6}};
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed ? "polygon" : "polyline");
        const QImage image = Render(Blank(24, 24), [&](IDrawContext& dc) {
            dc.SelectPen({PenStyle::Solid, MakeColor(255, 255, 255)});
            dc.SelectBrush({BrushStyle::Hollow, kBlack, 0});
            dc.SetRasterOp(RasterOp::XorPen);
            closed ? dc.Polygon(points) : dc.Polyline(points);
        });
        for (const DevicePoint& p : std::span(points).first(4)) {
            EXPECT_EQ(image.pixel(p.x, p.y), kBlackPixel) << p.x << "," << p.y;
        }
        // One pixel per step of each leg, 18 + 12 + 16 + 12 (+ 6 back to the start): no pixel
        // is xored twice.
        EXPECT_EQ(CountDifferent(image, Blank(24, 24), image.rect()), closed ? 64 : 58);
    }
}

TEST(QtDrawContext, CosmeticDashesFollowTheBackgroundModeAndRunOnAcrossVertices) {
    const struct {
        bool transparent;
        bool throughVertex;
        int painted;
    } cases[] = {{true, false, 36}, {false, false, 48}, {true, true, 36}};
    const QImage grey = Blank(50, 3, qRgb(128, 128, 128));
    for (const auto& c : cases) {
        const QImage image = Render(grey, [&](IDrawContext& dc) {
            dc.SelectPen({PenStyle::Dash, kBlack});
            dc.SetTransparentBackground(c.transparent);
            const DevicePoint path[] = {{0, 1}, {10, 1}, {48, 1}};
            c.throughVertex ? dc.Polyline(path) : Line(dc, path[0], path[2]);
        });
        // 18 on, 6 off, twice: the pattern does not restart at the vertex.
        for (int x = 0; x < 48; ++x) {
            const QRgb gap = c.transparent ? grey.pixel(x, 1) : kWhitePixel;
            EXPECT_EQ(image.pixel(x, 1), x % 24 < 18 ? kBlackPixel : gap) << x;
        }
        EXPECT_EQ(CountDifferent(image, grey, image.rect()), c.painted);
    }
}

TEST(QtDrawContext, ClipRectDiscardsEverythingOutsideIt) {
    const DeviceRect clip{10, 8, 30, 24};
    const DevicePoint square[] = {{0, 0}, {39, 0}, {39, 31}, {0, 31}};
    const Draw draws[] = {
        LineWith({}, {0, 15}, {40, 15}),
        LineWith({PenStyle::Solid, kRed, true, 9}, {0, 0}, {40, 32}),
        PolygonWith({BrushStyle::Hatched, kBlue, 4}, square),
        [](IDrawContext& dc) {
            dc.FillRect({5, 5, 35, 28}, kRed);
        },
        [](IDrawContext& dc) {
            dc.TextOut({0, 4}, "WWWW", {"Arial", 24}, kBlack);
        },
    };
    const QImage blank = Blank(40, 32);
    const QRect inside(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    for (const Draw& draw : draws) {
        std::optional<DeviceRect> restored;
        const QImage image = Render(blank, [&](IDrawContext& dc) {
            EXPECT_EQ(dc.SetClipRect(clip), std::nullopt);
            draw(dc);
            restored = dc.SetClipRect(std::nullopt);
        });
        EXPECT_EQ(restored, clip);
        EXPECT_GT(CountDifferent(image, blank, inside), 0);
        EXPECT_EQ(CountDifferent(image, blank, image.rect()), CountDifferent(image, blank, inside));
    }
}

TEST(QtDrawContext, RectangleExcludesRightAndBottomAndSetPixelIgnoresTheRasterOp) {
    const QImage image = Render(Blank(16, 16), [](IDrawContext& dc) {
        dc.SelectBrush({BrushStyle::Solid, kRed, 0});
        dc.Rectangle({4, 4, 12, 10});
        dc.SetRasterOp(RasterOp::XorPen);
        dc.SetPixel({1, 1}, MakeColor(10, 20, 30));
    });
    EXPECT_EQ(image.pixel(4, 4), kBlackPixel);
    EXPECT_EQ(image.pixel(11, 9), kBlackPixel);
    EXPECT_EQ(image.pixel(12, 9), kWhitePixel);
    EXPECT_EQ(image.pixel(11, 10), kWhitePixel);
    EXPECT_EQ(image.pixel(10, 8), qRgb(220, 30, 30));
    EXPECT_EQ(image.pixel(1, 1), qRgb(10, 20, 30));
}

void DrawCosmeticPens(IDrawContext& dc) {
    for (int i = 2; i <= 42; i += 8) {
        Line(dc, {22, 22}, {i, 2});
        Line(dc, {22, 22}, {2, i});
        Line(dc, {22, 22}, {i, 41});
        Line(dc, {22, 22}, {41, i});
    }
    for (int style = 1; style <= 4; ++style) {
        dc.SelectPen({static_cast<PenStyle>(style), style % 2 ? kBlack : kBlue});
        Line(dc, {46, style * 8}, {97, style * 8});
    }
    dc.FillRect({0, 48, 100, 64}, MakeColor(160, 160, 160));
    dc.SelectPen({PenStyle::Dot, kRed});
    Line(dc, {2, 52}, {97, 52});
    dc.SetTransparentBackground(true);
    Line(dc, {2, 58}, {97, 58});
}

void DrawGeometricPens(IDrawContext& dc) {
    dc.SelectPen({PenStyle::Solid, kBlue, true, 9, PenCap::Round});
    Line(dc, {10, 10}, {86, 10});
    Line(dc, {10, 26}, {86, 40});
    dc.SelectPen({PenStyle::Solid, kBlue, true, 9, PenCap::Flat});
    Line(dc, {10, 56}, {86, 56});
    dc.SelectPen({PenStyle::DashDot, kRed, true, 4, PenCap::Flat});
    Line(dc, {10, 70}, {86, 70});
}

void DrawHatchedPolygons(IDrawContext& dc) {
    for (int i = 0; i < 8; ++i) {
        const int x = (i % 4) * 40;
        const int y = (i / 4) * 40;
        const DevicePoint shape[] = {
            {x + 4, y + 4}, {x + 35, y + 4}, {x + 35, y + 24}, {x + 20, y + 35}, {x + 4, y + 24}};
        const auto style = i < 6 ? BrushStyle::Hatched : static_cast<BrushStyle>(i - 6);
        PolygonWith({style, kRed, static_cast<std::uint32_t>(i)}, shape)(dc);
    }
}

void DrawPolylines(IDrawContext& dc) {
    const DevicePoint zigzag[] = {{4, 36}, {20, 6}, {36, 36}, {52, 6}, {68, 36}, {92, 36}};
    dc.Polyline(zigzag);
    dc.SelectPen({PenStyle::Solid, kBlue, true, 7, PenCap::Round});
    const DevicePoint wave[] = {{6, 56}, {30, 44}, {60, 58}, {90, 46}};
    dc.Polyline(wave);
}

void DrawPixels(IDrawContext& dc) {
    for (int i = 0; i < 49; ++i) {
        dc.SetPixel({1 + i % 7 * 5, 1 + i / 7 * 5}, i == 24 ? kRed : kBlue);
    }
}

void DrawText(IDrawContext& dc) {
    dc.TextOut({4, 2}, "Ag", {"Arial", 40}, kBlack);
}

struct GoldenCase {
    const char* name;
    int width;
    int height;
    void (*draw)(IDrawContext&);
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

class QtDrawContextGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(QtDrawContextGolden, MatchesTheReferenceImage) {
    const GoldenCase& c = GetParam();
    test::ExpectMatchesGolden(Render(Blank(c.width, c.height), c.draw), c.name);
}

INSTANTIATE_TEST_SUITE_P(Primitives, QtDrawContextGolden,
                         testing::Values(GoldenCase{"cosmetic_pens", 100, 64, DrawCosmeticPens},
                                         GoldenCase{"geometric_pens", 96, 80, DrawGeometricPens},
                                         GoldenCase{"hatched_polygons", 160, 80,
                                                    DrawHatchedPolygons},
                                         GoldenCase{"polyline", 96, 64, DrawPolylines},
                                         GoldenCase{"set_pixel", 36, 36, DrawPixels},
                                         GoldenCase{"text_arial", 80, 48, DrawText}),
                         [](const auto& info) { return std::string(info.param.name); });

// A geometric pen no wider than a pixel draws the cosmetic pen's one-pixel line, a round end
// adding the end pixel; a round pen's stroke of no length leaves its dot.
TEST(QtDrawContext, ThinGeometricPensDrawTheOnePixelLine) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> coord(-5, 37);
    for (int n = 0; n < 200; ++n) {
        const bool round = n % 2 != 0;
        std::vector<DevicePoint> points(2 + n % 4);
        for (DevicePoint& p : points) {
            p = {coord(random), coord(random)};
        }
        if (n % 50 == 1) {
            points.assign(2, points.front());
        }
        const Pen thin{PenStyle::Solid, kBlue, true, n / 2 % 2,
                       round ? PenCap::Round : PenCap::Flat};
        const QImage actual = Render(Blank(32, 32), [&](IDrawContext& dc) {
            dc.SelectPen(thin);
            dc.Polyline(points);
        });
        const QImage expected = Render(Blank(32, 32), [&](IDrawContext& dc) {
            dc.SelectPen({PenStyle::Solid, kBlue});
            dc.Polyline(points);
            if (round) {
                dc.SetPixel(points.back(), kBlue);
            }
        });
        ASSERT_EQ(CountDifferent(actual, expected, QRect(0, 0, 32, 32)), 0) << "case " << n;
    }
}

}  // namespace
}  // namespace korvo
