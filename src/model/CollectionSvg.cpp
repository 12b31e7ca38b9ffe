#include "model/CollectionSvg.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "geometry/RectF.h"
#include "model/DataCollection.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"

namespace korvo {

namespace {

struct Stroke {
    std::vector<PointF> points;  // a polyline, or the centre of a circle
    float radius = 0.0f;         // > 0: a circle about points[0]
    bool closed = false;
    std::uint16_t style = 0;
    double width = 0.0;  // millimetres
    ColorRef color = 0;
};

// The shortest text that reads back as the same float: coordinates survive the trip exactly.
std::string Number(double value) {
    std::array<char, 32> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), static_cast<float>(value));
    return {text.data(), end.ptr};
}

std::string ColourOf(ColorRef color) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", RedOf(color), GreenOf(color),
                  BlueOf(color));
    return text.data();
}

// Dash patterns in millimetres for the pen styles 1 ... 4.
const char* DashesOf(std::uint16_t style) {
    switch (style) {
        case 1:
            return "2 1";
        case 2:
            return "0.3 0.7";
        case 3:
            return "2 0.7 0.3 0.7";
        case 4:
            return "2 0.7 0.3 0.7 0.3 0.7";
        default:
            return nullptr;
    }
}

bool AllFinite(const Stroke& stroke) {
    for (const PointF& p : stroke.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return false;
        }
    }
    return std::isfinite(stroke.radius) && std::isfinite(stroke.width);
}

bool ShapeOf(const CDrawObj& e, Stroke& stroke) {
    if (e.IsKindOf(CDrawObjLine::kRuntimeClass)) {
        stroke.points = {{e.GetX1(), e.GetY1()}, {e.GetX2(), e.GetY2()}};
    } else if (e.IsKindOf(CDrawObjCircle::kRuntimeClass)) {
        stroke.points = {{e.GetX1(), e.GetY1()}};
        stroke.radius = std::fabs(e.GetRadius());
    } else if (e.IsKindOf(CDrawObjEllipse::kRuntimeClass)) {
        EllipseOutline outline;
        static_cast<const CDrawObjEllipse&>(e).SampleOutline(outline);
        stroke.points.assign(outline.points.begin(), outline.points.begin() + outline.count);
    } else if (e.IsKindOf(CDrawObjPolygon::kRuntimeClass) && e.GetPoints() != nullptr) {
        stroke.points = *e.GetPoints();
        stroke.closed = true;
    } else {
        return false;
    }
    stroke.style = e.GetStyle();
    stroke.width = e.GetWidth() * 0.001;
    stroke.color = e.GetColor();
    return !stroke.points.empty() && AllFinite(stroke);
}

void Gather(const CDataCollection& nodes, std::vector<Stroke>& strokes) {
    for (const CData* node : nodes) {
        Stroke stroke;
        if (node->GetElement() != nullptr && ShapeOf(*node->GetElement(), stroke)) {
            strokes.push_back(std::move(stroke));
        }
        if (const CDataCollection* children = node->GetChildren()) {
            Gather(*children, strokes);
        }
    }
}

// The picture's area: every stroke with half its width around it, so nothing is cut off.
RectF AreaOf(const std::vector<Stroke>& strokes) {
    RectF area;
    for (const Stroke& s : strokes) {
        const float pad = s.radius + static_cast<float>(s.width / 2.0);
        for (const PointF& p : s.points) {
            area.Include(p.x - pad, p.y - pad);
            area.Include(p.x + pad, p.y + pad);
        }
    }
    return area;
}

std::string ElementSvg(const Stroke& s) {
    std::string out;
    if (s.radius > 0.0f) {
        out = "<circle cx=\"" + Number(s.points[0].x) + "\" cy=\"" + Number(-s.points[0].y) +
              "\" r=\"" + Number(s.radius) + "\"";
    } else if (s.points.size() == 2 && !s.closed) {
        out = "<line x1=\"" + Number(s.points[0].x) + "\" y1=\"" + Number(-s.points[0].y) +
              "\" x2=\"" + Number(s.points[1].x) + "\" y2=\"" + Number(-s.points[1].y) + "\"";
    } else {
        out = s.closed ? "<polygon points=\"" : "<polyline points=\"";
        const char* separator = "";
        for (const PointF& p : s.points) {
            out += separator + Number(p.x) + "," + Number(-p.y);
            separator = " ";
        }
        out += "\"";
    }
    out += " stroke=\"" + ColourOf(s.color) + "\" stroke-width=\"" + Number(s.width) + "\"";
    if (const char* dashes = DashesOf(s.style)) {
        out += std::string(" stroke-dasharray=\"") + dashes + "\"";
    }
    return out + "/>\n";
}

}  // namespace

std::string WriteCollectionSvg(const CDataCollection& nodes) {
    std::vector<Stroke> strokes;
    Gather(nodes, strokes);
    RectF area = AreaOf(strokes);
    if (!area.IsValid()) {
        area = RectF{0.0f, 0.0f, 0.0f, 0.0f};
    }
    const std::string width = Number(area.maxX - area.minX);
    const std::string height = Number(area.maxY - area.minY);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width +
           "mm\" height=\"" + height + "mm\" viewBox=\"" + Number(area.minX) + " " +
           Number(-area.maxY) + " " + width + " " + height + "\">\n";
    out += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const Stroke& s : strokes) {
        out += ElementSvg(s);
    }
    return out + "</g>\n</svg>\n";
}

}  // namespace korvo
