// The drawing elements as the editor shows them: each element drawn by its own code through the
// Qt draw context, compared with reference images.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "QtDrawContext.h"
#include "model/Data.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "model/Paper.h"
#include "support/GoldenImage.h"
#include "support/PaperFixture.h"
#include "support/ScopedSwitches.h"

namespace korvo {
namespace {

// A 40 x 25 unit window at four pixels per unit.
std::unique_ptr<CPaper> SmallSheet() {
    auto paper =
        std::make_unique<CPaper>(0.0f, 0.0f, 40.0f, 25.0f, 0.0f, 0.0f, 0.0f, 0.0f, 2.5f, 2.5f);
    paper->SetClientRect({0, 0, 170, 110});
    return paper;
}

std::vector<std::unique_ptr<CData>> Elements() {
    std::vector<std::unique_ptr<CData>> nodes;
    auto add = [&](std::unique_ptr<CDrawObj> element, std::int32_t type, std::uint16_t mark) {
        nodes.push_back(test::MakeNode(std::move(element), type, mark));
    };
    add(std::make_unique<CDrawObjLine>(2, 2, 18, 10, 0, 500, 0x000000, 1), kNodeLine, 0);
    add(std::make_unique<CDrawObjLine>(2, 22, 38, 22, 1, 750, 0xC03000, 1), kNodeLine, 0);
    add(std::make_unique<CDrawObjCircle>(22, 4, 1, 0, 250, 0, 0, 0, 0, 1), kNodePoint, 0);
    add(std::make_unique<CDrawObjEllipse>(30, 10, 7, 4, 20, 250, 30, 0, 500, 0x0000C0, 1),
        kNodeEllipse, 0);
    add(std::make_unique<CDrawObjPolygon>(std::vector<PointF>{{3, 13}, {14, 12}, {10, 19}}, 0, 250,
                                          0x008000, 2, 0x008000, 5, 1),
        kNodeGroup, 0);
    add(std::make_unique<CDrawObjLine>(20, 14, 24, 18, 0, 250, 0, 1), kNodeLine, kMarkSelected);
    return nodes;
}

QImage Render(bool styled) {
    auto paper = SmallSheet();
    QImage image(170, 110, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CQtDrawContext dc(painter, false);
        test::ScopedSwitches switches;
        switches.StyledDrawing(styled);
        for (const auto& node : Elements()) {
            node->Draw(*paper, &dc);
        }
    }
    painter.end();
    return image;
}

TEST(ElementGolden, PlainAndStyled) {
    test::ExpectMatchesGolden(Render(false), "elements_plain");
    test::ExpectMatchesGolden(Render(true), "elements_styled");
}

}  // namespace
}  // namespace korvo
