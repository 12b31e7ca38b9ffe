// The view on real images: what the cached background and the partial renders put into the back
// buffer must be exactly what a fresh full render puts there.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "QtImageSurface.h"
#include "model/DataCollection.h"
#include "model/Paper.h"
#include "support/ViewHarness.h"
#include "view/RedrawBatch.h"
#include "view/ViewCommands.h"

namespace korvo::test {
namespace {

using ::testing::IsEmpty;

std::unique_ptr<IDrawSurface> MakeImage(int width, int height) {
    return std::make_unique<CQtImageSurface>(width, height);
}

const QImage& BackBufferImage(ViewHarness& h) {
    return dynamic_cast<const CQtImageSurface&>(*h.View().GetBackBuffer()).Image();
}

// A view that has never drawn anything, showing the same document state: its first render
// draws everything from scratch.
QImage FreshRender(ViewHarness& h) {
    CToolFactory factory;
    CKorvoFEView fresh(h.doc, h.host, factory);
    fresh.Render();
    return dynamic_cast<const CQtImageSurface&>(*fresh.GetBackBuffer()).Image().copy();
}

// The sheet painted straight onto an image by the paper itself, with none of the view's reuse.
QImage DirectRender(ViewHarness& h) {
    const QImage& back = BackBufferImage(h);
    CQtImageSurface direct(back.width(), back.height());
    CPaper& paper = h.Paper();
    direct.Context().FillRect({0, 0, back.width(), back.height()}, paper.BackgroundBrush().color);
    paper.PaintBackground(direct.Context());
    paper.GetCollection()->DrawInRect(paper, &direct.Context(), nullptr, paper.GetVisibleWindow());
    return direct.Image().copy();
}

void Sheet(ViewHarness& h) {
    h.DefineGlyph(65, 0, 0, 200, 200);
    h.DefineGlyph(66, 10, 190, 190, 10);
    h.AddLine(10, 10, 190, 30);
    h.AddLine(300, 300, 500, 20);
}

TEST(ViewImageTest, TheCachedBackgroundRendersWhatAFreshRenderDoesAfterEveryChange) {
    ViewHarness h({700, 420}, MakeImage);
    Sheet(h);
    const struct {
        const char* what;
        std::function<void(ViewHarness&)> change;
    } changes[] = {
        {"nothing", [](ViewHarness&) {}},
        {"grid 5", [](ViewHarness& v) { v.Command(19445); }},
        {"glyph", [](ViewHarness& v) { v.DefineGlyph(67, 100, 0, 100, 200); }},
        {"help line", [](ViewHarness& v) { v.Paper().SetHelpLine(0, 33.0f, true); }},
        {"zoom",
         [](ViewHarness& v) {
             v.View().ZoomToRect({0, 0}, {250, 150});
         }},
        {"scroll", [](ViewHarness& v) { v.View().OnHScroll(kSbPageDown, 0); }},
        {"grid off", [](ViewHarness& v) { v.Command(kCmdGridOnOff); }},
        {"table off", [](ViewHarness& v) { v.Command(kCmdShowFontTable); }},
        {"table on", [](ViewHarness& v) { v.Command(kCmdShowFontTable); }},
        {"resize",
         [](ViewHarness& v) {
             v.Resize({640, 480});
         }},
    };
    for (const auto& c : changes) {
        c.change(h);
        h.View().OnUpdate(kHintUpdateAll);
        h.Pump();
        EXPECT_TRUE(BackBufferImage(h) == FreshRender(h)) << c.what;
        EXPECT_TRUE(BackBufferImage(h) == DirectRender(h)) << c.what;
    }
    EXPECT_THAT(h.Violations(), IsEmpty());
}

TEST(ViewImageTest, APartialRenderOfANewElementMatchesAFullRender) {
    ViewHarness h({700, 420}, MakeImage);
    Sheet(h);
    h.View().OnUpdate(kHintUpdateAll);
    h.Pump();
    const struct {
        RectF line;
    } cases[] = {{{20, 40, 180, 60}}, {{150, 5, 260, 300}}, {{-50, 100, 900, 101}}};
    for (const auto& c : cases) {
        CData* line = h.AddLine(c.line.minX, c.line.minY, c.line.maxX, c.line.maxY);
        {
            CRedrawBatch batch(h.View());
            batch.AddWorldRect(line->GetExtents(h.Paper()));
        }
        h.Pump();
        EXPECT_TRUE(BackBufferImage(h) == FreshRender(h))
            << c.line.minX << ", " << c.line.minY << " - " << c.line.maxX << ", " << c.line.maxY;
    }
}

TEST(ViewImageTest, TheWindowShowsTheBackBufferWithTheFeedbackOnTop) {
    ViewHarness h({700, 420}, MakeImage);
    Sheet(h);
    h.Command(kCmdZoomWindow);
    h.Click({20, 20});
    h.Move({120, 90});
    const QImage& window = dynamic_cast<CQtImageSurface&>(h.WindowSurface()).Image();
    const QImage& back = BackBufferImage(h);
    // The focus rectangle (dots on every other pixel) is on the window only; elsewhere both agree.
    const DevicePoint corner = h.ToClient({20, 90});
    EXPECT_TRUE(window.pixel(corner.x + 8, corner.y) != back.pixel(corner.x + 8, corner.y) ||
                window.pixel(corner.x + 9, corner.y) != back.pixel(corner.x + 9, corner.y));
    EXPECT_EQ(window.pixel(5, 5), back.pixel(5, 5));
    EXPECT_THAT(h.Violations(), IsEmpty());
}

}  // namespace
}  // namespace korvo::test
