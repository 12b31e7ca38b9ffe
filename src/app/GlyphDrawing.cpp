#include "app/GlyphDrawing.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "font/FontTable.h"
#include "font/GlyphCommand.h"
#include "geometry/PlaneGeometry.h"
#include "model/CharacterTable.h"
#include "model/DataCollection.h"
#include "model/DrawObj.h"
#include "model/DrawObjPolygon.h"
#include "model/Paper.h"
#include "platform/DocumentHost.h"
#include "resources/StringTable.h"

namespace korvo {

namespace {

constexpr double kAreaTolerance = 0.00001;
constexpr double kAreaSize = kDrawingAreaSize;
constexpr float kArea = kDrawingAreaSize;
constexpr float kDefaultWidth = 0.25f;
constexpr float kPointRadius = 1.0f;
// Lines closer to vertical or horizontal than this are clipped by clamping alone.
constexpr float kAxisTolerance = 0.00011920928955078125f;

bool InRange(double v) {
    return v >= -kAreaTolerance && v <= kAreaSize + kAreaTolerance;
}

bool TakesPart(const CData& node) {
    return node.GetElement() != nullptr && node.GetLevel() != kConstructionLevel;
}

// A polygon's node says nothing of it (the polygon tool makes an untyped one); the element does.
bool IsPolygon(const CData& node) {
    return TakesPart(node) && dynamic_cast<const CDrawObjPolygon*>(node.GetElement()) != nullptr;
}

void CollectPolygons(CDataCollection& nodes, std::vector<CData*>& polygons) {
    const std::size_t count = nodes.GetCount();
    for (std::size_t i = 0; i < count; ++i) {
        CData& node = *nodes.GetAt(i);
        if (IsPolygon(node)) {
            polygons.push_back(&node);
        }
        if (CDataCollection* children = node.GetChildren()) {
            CollectPolygons(*children, polygons);
        }
    }
}

bool AnyMarked(const std::vector<CData*>& nodes) {
    return std::any_of(nodes.begin(), nodes.end(),
                       [](const CData* node) { return node->GetMark() == kMarkSelected; });
}

void KeepMarkedOnly(std::vector<CData*>& nodes) {
    std::erase_if(nodes, [](const CData* node) { return node->GetMark() != kMarkSelected; });
}

std::vector<CData*> NodesOfType(CPaper& paper, std::int32_t type) {
    std::vector<CData*> nodes = paper.GetCollection()->CollectByType(type, type, true);
    std::erase_if(nodes, [](const CData* node) { return !TakesPart(*node); });
    return nodes;
}

PointF StartOf(const CData& line) {
    return {static_cast<float>(line.GetX1()), static_cast<float>(line.GetY1())};
}

PointF EndOf(const CData& line) {
    return {static_cast<float>(line.GetX2()), static_cast<float>(line.GetY2())};
}

// Coordinates are stored truncated towards zero; the drawing area keeps them in 0 ... 200.
std::uint8_t ToGrid(double v) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(v), 0, 200));
}

GlyphCommand Command(GlyphOp op, PointF p) {
    return {op, ToGrid(p.x), ToGrid(p.y)};
}

// Moves `p` along the line towards `other` until it lies within 0 ... 200 in x, then in y. Once
// `p` has reached `other` there is no direction left to move in, and it stays: such a line
// misses the square and ends up outside the drawing area, where storing passes it by.
PointF ClipEnd(PointF p, PointF other) {
    auto alongX = [&](float x) {
        if (other.x != p.x) {
            const float t = (x - p.x) / (other.x - p.x);
            p = {x, p.y + t * (other.y - p.y)};
        }
    };
    auto alongY = [&](float y) {
        if (other.y != p.y) {
            const float t = (y - p.y) / (other.y - p.y);
            p = {p.x + t * (other.x - p.x), y};
        }
    };
    if (p.x < 0.0f) {
        alongX(0.0f);
    }
    if (p.x > kArea) {
        alongX(kArea);
    }
    if (p.y < 0.0f) {
        alongY(0.0f);
    }
    if (p.y > kArea) {
        alongY(kArea);
    }
    return p;
}

void ClipLine(CData& line) {
    PointF s = StartOf(line);
    PointF e = EndOf(line);
    auto clamp = [](float v) { return std::clamp(v, 0.0f, kArea); };
    if (std::fabs(s.x - e.x) < kAxisTolerance) {
        s.y = clamp(s.y);
        e.y = clamp(e.y);
    } else if (std::fabs(s.y - e.y) < kAxisTolerance) {
        s.x = clamp(s.x);
        e.x = clamp(e.x);
    } else {
        s = ClipEnd(s, e);
        e = ClipEnd(e, s);
    }
    line.SetX1(s.x);
    line.SetY1(s.y);
    line.SetX2(e.x);
    line.SetY2(e.y);
}

bool TouchesArea(PointF s, PointF e) {
    return std::max(s.x, e.x) >= 0.0f && std::min(s.x, e.x) <= kArea &&
           std::max(s.y, e.y) >= 0.0f && std::min(s.y, e.y) <= kArea;
}

bool InArea(PointF p) {
    return InRange(p.x) && InRange(p.y);
}

// An element's ends, read once: behind every coordinate getter is a virtual call.
struct AreaEntry {
    CData* node;
    PointF s;
    PointF e;
};

// What storing needs from the drawing, gathered in one walk in the collection's own order (each
// node before its children): the lines and the points inside the drawing area, and whether a
// curve or a line that crosses the area's edge asks for the slower conversion and trimming road.
struct DrawingScan {
    std::vector<AreaEntry> lines;
    std::vector<AreaEntry> points;
    bool hasCurves = false;
    bool hasPolygons = false;
    bool hasLinesToTrim = false;
};

void ScanNode(CData& node, DrawingScan& scan) {
    if (IsPolygon(node)) {
        scan.hasPolygons = true;
        return;
    }
    const std::int32_t type = node.GetType();
    if (type != kNodeLine && type != kNodePoint && type != kNodeEllipse) {
        return;
    }
    const CDrawObj* element = node.GetElement();
    if (element == nullptr || element->GetLevel() == kConstructionLevel) {
        return;
    }
    if (type == kNodeEllipse) {
        scan.hasCurves = true;
        return;
    }
    const PointF s{element->GetX1(), element->GetY1()};
    if (type == kNodePoint) {
        if (InArea(s)) {
            scan.points.push_back({&node, s, s});
        }
        return;
    }
    const PointF e{element->GetX2(), element->GetY2()};
    if (InArea(s) && InArea(e)) {
        scan.lines.push_back({&node, s, e});
    } else if (TouchesArea(s, e)) {
        scan.hasLinesToTrim = true;
    }
}

void ScanNodes(CDataCollection& nodes, DrawingScan& scan) {
    const std::size_t count = nodes.GetCount();
    for (std::size_t i = 0; i < count; ++i) {
        CData& node = *nodes.GetAt(i);
        ScanNode(node, scan);
        if (CDataCollection* children = node.GetChildren()) {
            ScanNodes(*children, scan);
        }
    }
}

DrawingScan ScanDrawing(CPaper& paper) {
    DrawingScan scan;
    ScanNodes(*paper.GetCollection(), scan);
    return scan;
}

// Lines chain with their neighbour in list order when they meet it exactly, either way round.
// Every command stores one coordinate pair, so the length is also the count of needed pairs.
std::vector<GlyphCommand> BuildCommands(const DrawingScan& scan) {
    std::vector<GlyphCommand> commands;
    commands.reserve(2 * scan.lines.size() + scan.points.size());
    PointF last{-1.0e8f, -1.0e8f};
    for (const AreaEntry& line : scan.lines) {
        if (last == line.s) {
            commands.push_back(Command(GlyphOp::Draw, line.e));
            last = line.e;
        } else if (last == line.e) {
            commands.push_back(Command(GlyphOp::Draw, line.s));
            last = line.s;
        } else {
            commands.push_back(Command(GlyphOp::Move, line.s));
            commands.push_back(Command(GlyphOp::Draw, line.e));
            last = line.e;
        }
    }
    for (const AreaEntry& point : scan.points) {
        commands.push_back(Command(GlyphOp::Point, point.s));
    }
    return commands;
}

// Takes a converted curve or polygon out of the drawing. Nodes below it take its place in the list
// that held it, so that converting never deletes anything with it, and curves among them are still
// there to be converted in their turn.
void RemoveCurve(CPaper& paper, CData& curve) {
    CData* owner = curve.GetParent();
    CDataCollection* list = owner != nullptr ? owner->GetChildren() : paper.GetCollection();
    std::size_t index = 0;
    while (index < list->GetCount() && list->GetAt(index) != &curve) {
        ++index;
    }
    const std::unique_ptr<CData> node = list->Detach(&curve);
    CDataCollection* children = node ? node->GetChildren() : nullptr;
    while (children != nullptr && !children->IsEmpty()) {
        list->Insert(index++, children->Detach(children->GetAt(0)));
    }
}

// The ellipse parameter of a polar angle (degrees) in the ellipse's own frame.
double ArcParameter(double a, double b, double degrees) {
    const double theta = degrees * (kPi / 180.0);
    return std::atan2(std::fabs(a) * std::sin(theta), std::fabs(b) * std::cos(theta));
}

// The element itself draws a curve whose ends have the same parameter as the whole ellipse.
bool IsWholeEllipse(const CData& curve) {
    const double a = curve.GetAxisA();
    const double b = curve.GetAxisB();
    return IsZeroD(ArcParameter(a, b, curve.GetEndAngle()) -
                   ArcParameter(a, b, curve.GetStartAngle()));
}

void AddLine(CPaper& paper, PointF a, PointF b) {
    auto node = std::make_unique<CData>(kNodeLine);
    node->CreateLine(a.x, a.y, b.x, b.y, 0, kDefaultWidth, 0, 1);
    paper.AddNode(std::move(node));
}

// The outline of a polygon as one closed chain of lines, made as converted curves are. Edges of
// no length (a vertex clicked twice) are left out; a polygon that is no more than one spot
// becomes a point, and one without vertices goes without a trace.
void PolygonToLines(CPaper& paper, const CDrawObjPolygon& polygon) {
    const std::vector<PointF>& v = *polygon.GetPoints();
    // Two vertices are drawn as a single segment, not as a segment there and back.
    const std::size_t edges = v.size() == 2 ? 1 : v.size();
    bool drawn = false;
    for (std::size_t i = 0; i < edges; ++i) {
        const PointF a = v[i];
        const PointF b = v[(i + 1) % v.size()];
        if (!(a == b)) {
            AddLine(paper, a, b);
            drawn = true;
        }
    }
    if (!drawn && !v.empty()) {
        auto node = std::make_unique<CData>(kNodePoint);
        node->CreateCircle(v[0].x, v[0].y, kPointRadius, 0, kDefaultWidth, 0, 0, 0, 0, 1);
        paper.AddNode(std::move(node));
    }
}

}  // namespace

CGlyphDrawing::CGlyphDrawing(CPaper& paper, IDocumentHost& host, int& lineCount)
    : paper_(paper), host_(host), lineCount_(lineCount) {}

bool CGlyphDrawing::IsInDrawingArea(double x, double y) {
    return InRange(x) && InRange(y);
}

int CGlyphDrawing::CollectAreaElements(std::vector<CData*>& list, int mode) const {
    list.clear();
    const DrawingScan scan = ScanDrawing(paper_);
    if (mode == kAreaLinesAndPoints || mode == kAreaLines) {
        for (const AreaEntry& line : scan.lines) {
            list.push_back(line.node);
        }
    }
    if (mode == kAreaLinesAndPoints || mode == kAreaPoints) {
        for (const AreaEntry& point : scan.points) {
            list.push_back(point.node);
        }
    }
    return static_cast<int>(list.size());
}

int CGlyphDrawing::CountNeededPairs(const std::vector<CData*>& list) {
    int pairs = 0;
    PointF last{-1.0e8f, -1.0e8f};
    for (const CData* node : list) {
        if (node->GetType() == kNodePoint) {
            ++pairs;
        } else if (node->GetType() == kNodeLine) {
            const PointF s = StartOf(*node);
            const PointF e = EndOf(*node);
            pairs += (last == s || last == e) ? 1 : 2;
            last = last == e ? s : e;
        }
    }
    return pairs;
}

void CGlyphDrawing::ReportTooMany(int needed) const {
    host_.ShowMessage({MessageId::String(IDS_TOO_MANY_COMMANDS), {needed}, MessageButtons::Ok});
}

std::vector<GlyphCommand> CGlyphDrawing::CommandsAsDrawn() const {
    return BuildCommands(ScanDrawing(paper_));
}

int CGlyphDrawing::EncodeGlyph(CFontTable* table, int code) {
    if (table == nullptr || table->OwnsEntries() == 0) {
        return 0;
    }
    // Every command stores one pair, so the stream's length is the count the user is told.
    auto tooManyPairs = [this](const std::vector<GlyphCommand>& commands) {
        const int needed = static_cast<int>(commands.size());
        if (needed <= kMaxGlyphPairs) {
            return false;
        }
        ReportTooMany(needed);
        return true;
    };
    const DrawingScan scan = ScanDrawing(paper_);
    std::vector<GlyphCommand> commands = BuildCommands(scan);
    if (tooManyPairs(commands)) {
        return 0;
    }
    // Without curves or lines across the area's edge there is nothing to convert or trim, and the
    // drawing is stored as it was read; otherwise it is read again after the changes.
    if (scan.hasCurves || scan.hasPolygons || scan.hasLinesToTrim) {
        // A polygon is stored by its outline, whatever is selected: it needs no line count.
        const bool outlined = scan.hasPolygons && ConvertPolygons(false);
        const Conversion converted = ConvertCurves(AnyMarked(NodesOfType(paper_, kNodeEllipse)));
        if (converted == Conversion::kRefused) {
            return 0;
        }
        if (TrimLinesToArea(1) == 1 || converted == Conversion::kConverted || outlined) {
            commands = BuildCommands(ScanDrawing(paper_));
            if (tooManyPairs(commands)) {
                return 0;
            }
        }
    }
    if (!table->StoreGlyph(code & 0xFF, commands)) {
        return 0;
    }
    table->RecomputeDefaultAdvance();
    stored_ = true;
    return 1;
}

int CGlyphDrawing::DecodeGlyph(const CFontTable* table, int code) {
    if (table == nullptr || !table->Entry(code).HasCommands()) {
        return 0;
    }
    const std::span<const std::uint8_t> stream = table->Entry(code).commands;
    int pointState = 0;
    int lineState = 0;
    bool haveX = false;
    float x = 0.0f;
    PointF previous;
    PointF current;
    for (const std::uint8_t byte : stream) {
        if (byte == CMD_END) {
            break;
        }
        // A command byte sets the states but leaves the x/y alternation alone: in a damaged
        // stream the coordinates pair up as they are counted, whatever comes between them.
        if (byte == CMD_POINT || byte == CMD_MOVE) {
            pointState = byte == CMD_POINT ? 1 : 0;
            lineState = byte == CMD_MOVE ? 1 : 0;
            continue;
        }
        if (!haveX) {
            x = byte;
            haveX = true;
            continue;
        }
        haveX = false;
        previous = current;
        current = {x, static_cast<float>(byte)};
        pointState += pointState != 0 ? 1 : 0;
        lineState += lineState != 0 ? 1 : 0;
        if (pointState == 2) {
            auto node = std::make_unique<CData>(kNodePoint);
            node->CreateCircle(current.x, current.y, kPointRadius, 0, kDefaultWidth, 0, 0, 0, 0, 1);
            paper_.AddNode(std::move(node));
            pointState = 0;
        }
        if (lineState == 3) {
            auto node = std::make_unique<CData>(kNodeLine);
            node->CreateLine(previous.x, previous.y, current.x, current.y, 0, kDefaultWidth, 0, 1);
            paper_.AddNode(std::move(node));
            lineState = 2;
        }
    }
    return 1;
}

std::vector<CData*> CGlyphDrawing::PolygonsOnSheet() const {
    std::vector<CData*> polygons;
    CollectPolygons(*paper_.GetCollection(), polygons);
    return polygons;
}

// Polygons and curves alike: when some of them are selected, only those are converted.
int CGlyphDrawing::ConvertArcsToLines() {
    const bool onlyMarked =
        AnyMarked(NodesOfType(paper_, kNodeEllipse)) || AnyMarked(PolygonsOnSheet());
    const bool outlined = ConvertPolygons(onlyMarked);
    return ConvertCurves(onlyMarked) == Conversion::kConverted || outlined ? 1 : 0;
}

bool CGlyphDrawing::ConvertPolygons(bool onlyMarked) {
    std::vector<CData*> polygons = PolygonsOnSheet();
    if (onlyMarked) {
        KeepMarkedOnly(polygons);
    }
    for (CData* polygon : polygons) {
        PolygonToLines(paper_, *static_cast<const CDrawObjPolygon*>(polygon->GetElement()));
        RemoveCurve(paper_, *polygon);
    }
    return !polygons.empty();
}

CGlyphDrawing::Conversion CGlyphDrawing::ConvertCurves(bool onlyMarked) {
    std::vector<CData*> list;
    CollectAreaElements(list, kAreaLinesAndPoints);
    const int n0 = CountNeededPairs(list);
    std::vector<CData*> curves = NodesOfType(paper_, kNodeEllipse);
    if (onlyMarked) {
        KeepMarkedOnly(curves);
    }
    const int m = static_cast<int>(curves.size());
    if (m == 0) {
        return Conversion::kNone;
    }
    int count = lineCount_;
    if (!host_.AskLineCount(count)) {
        return Conversion::kNone;
    }
    const int room = (kMaxGlyphPairs - n0 - m) / m;
    int points = room;
    if (count != 0) {
        lineCount_ = count;
        points = count + 1;
    }
    points = std::min(std::max(points, 3), room);
    if (points < 1) {
        // Not even one line per curve fits: say what one line each would need and change nothing.
        ReportTooMany(n0 + 2 * m);
        return Conversion::kRefused;
    }
    // Each curve is converted and removed in gathering order, parents before their children;
    // removing a parent moves its children up instead of deleting them, so no curve of the list
    // is freed before its turn.
    for (CData* curve : curves) {
        // A whole ellipse has no ends to run between: it becomes the ellipse from 0 to 360
        // degrees rather than nothing.
        const bool whole = IsWholeEllipse(*curve);
        ArcToLines(static_cast<float>(curve->GetX1()), static_cast<float>(curve->GetY1()),
                   static_cast<float>(curve->GetAxisA()), static_cast<float>(curve->GetAxisB()),
                   static_cast<float>(curve->GetAngle()),
                   whole ? 0.0f : static_cast<float>(curve->GetStartAngle()),
                   whole ? 360.0f : static_cast<float>(curve->GetEndAngle()), 0, kDefaultWidth, 0,
                   1, points);
        RemoveCurve(paper_, *curve);
    }
    return Conversion::kConverted;
}

void CGlyphDrawing::ArcToLines(float cx, float cy, float rx, float ry, float rotation, float start,
                               float end, std::uint16_t style, float width, std::uint32_t color,
                               std::uint16_t level, int points) {
    if (points < 1) {
        return;
    }
    const double toRad = kPi / 180.0;
    const double ts = ArcParameter(rx, ry, start);
    double te = ArcParameter(rx, ry, end);
    while (te < ts) {
        te += kTwoPi;
    }
    if (!(ts < te)) {
        return;
    }
    const double r = rotation * toRad;
    auto at = [&](double t) {
        const double x = rx * std::cos(t);
        const double y = ry * std::sin(t);
        return PointF{static_cast<float>(cx + x * std::cos(r) - y * std::sin(r)),
                      static_cast<float>(cy + x * std::sin(r) + y * std::cos(r))};
    };
    // P points give P - 1 lines; the parameters are counted rather than summed so rounding can
    // never add a sliver of a line that would cost a pair. One point makes a single chord.
    const int lines = std::max(points - 1, 1);
    const double step = (te - ts) / lines;
    PointF previous = at(ts);
    for (int i = 1; i <= lines; ++i) {
        const PointF next = at(i == lines ? te : ts + i * step);
        auto node = std::make_unique<CData>(kNodeLine);
        node->CreateLine(previous.x, previous.y, next.x, next.y, style, width, color, level);
        paper_.AddNode(std::move(node));
        previous = next;
    }
}

int CGlyphDrawing::TrimLinesToArea(int ask) {
    int result = 0;
    bool asked = false;
    for (CData* line : NodesOfType(paper_, kNodeLine)) {
        const PointF s = StartOf(*line);
        const PointF e = EndOf(*line);
        if (IsInDrawingArea(s.x, s.y) && IsInDrawingArea(e.x, e.y)) {
            continue;
        }
        if (!TouchesArea(s, e)) {
            continue;
        }
        if (ask == 1 && !asked) {
            if (host_.ShowMessage({MessageId::String(IDS_TRIM_LINES), {}, MessageButtons::YesNo}) ==
                MessageAnswer::No) {
                return result;
            }
            asked = true;
        }
        result = 1;
        ClipLine(*line);
    }
    return result;
}

}  // namespace korvo
