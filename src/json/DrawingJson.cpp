#include "json/DrawingJson.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "model/DrawObjVectorText.h"
#include "model/Paper.h"
#include "resources/CodePages.h"

namespace korvo {

namespace {

using nlohmann::json;

// What the editor's drawing tools give a new element: the sheet's default pen of 0.25 units,
// style 0, colour 0; a point is a solid circle of radius 1.
constexpr float kToolWidth = 0.25f;
constexpr float kPointRadius = 1.0f;
constexpr std::uint16_t kToolLevel = 1;

constexpr std::array<std::string_view, 4> kLineKeys{"x1", "y1", "x2", "y2"};
constexpr std::array<std::string_view, 2> kPointKeys{"x", "y"};
constexpr std::array<std::string_view, 7> kEllipseKeys{"cx",       "cy",    "a",  "b",
                                                       "rotation", "start", "end"};

struct Shape {
    std::string_view type;
    std::int32_t node;
    std::span<const std::string_view> keys;
};

constexpr std::array<Shape, 3> kShapes{{
    {"line", kNodeLine, kLineKeys},
    {"point", kNodePoint, kPointKeys},
    {"ellipse", kNodeEllipse, kEllipseKeys},
}};

using Values = std::array<float, kEllipseKeys.size()>;

const Shape* ShapeOfType(std::string_view type) {
    const auto* found = std::find_if(kShapes.begin(), kShapes.end(),
                                     [&](const Shape& shape) { return shape.type == type; });
    return found != kShapes.end() ? found : nullptr;
}

const Shape* ShapeOfNode(std::int32_t node) {
    const auto* found = std::find_if(kShapes.begin(), kShapes.end(),
                                     [&](const Shape& shape) { return shape.node == node; });
    return found != kShapes.end() ? found : nullptr;
}

std::string Quoted(std::string_view key) {
    return "\"" + std::string(key) + "\"";
}

// Elements hold floats; a number that no float can hold would turn into infinity on the sheet.
bool ReadFloat(const json& value, float& out) {
    if (!value.is_number()) {
        return false;
    }
    const double number = value.get<double>();
    if (!(std::fabs(number) <= std::numeric_limits<float>::max())) {
        return false;
    }
    out = static_cast<float>(number);
    return true;
}

bool ReadLevel(const json& value, std::uint16_t& out) {
    if (!value.is_number_integer()) {
        return false;
    }
    const auto number = value.get<long long>();
    if (number < 0 || number > std::numeric_limits<std::uint16_t>::max()) {
        return false;
    }
    out = static_cast<std::uint16_t>(number);
    return true;
}

std::unique_ptr<CData> MakeNode(const Shape& shape, const Values& v, std::uint16_t level) {
    auto node = std::make_unique<CData>(shape.node);
    if (shape.node == kNodeLine) {
        node->CreateLine(v[0], v[1], v[2], v[3], 0, kToolWidth, 0, level);
    } else if (shape.node == kNodePoint) {
        node->CreateCircle(v[0], v[1], kPointRadius, 0, kToolWidth, 0, 0, 0, 0, level);
    } else {
        node->CreateEllipse(v[0], v[1], v[2], v[3], v[5], v[6], v[4], 0, kToolWidth, 0, level);
    }
    return node;
}

std::unique_ptr<CData> ParseElement(const json& item, const std::string& where,
                                    std::vector<std::string>& errors) {
    if (!item.is_object()) {
        errors.push_back(where + ": an element is an object");
        return nullptr;
    }
    const auto type = item.find("type");
    const Shape* shape =
        type != item.end() && type->is_string() ? ShapeOfType(type->get<std::string>()) : nullptr;
    if (shape == nullptr) {
        errors.push_back(where + ": \"type\" must be \"line\", \"point\" or \"ellipse\", not " +
                         (type != item.end() ? type->dump() : std::string("missing")));
        return nullptr;
    }
    const std::size_t before = errors.size();
    Values values{};
    for (std::size_t i = 0; i < shape->keys.size(); ++i) {
        const auto value = item.find(shape->keys[i]);
        if (value == item.end()) {
            errors.push_back(where + ": " + Quoted(shape->keys[i]) + " is missing");
        } else if (!ReadFloat(*value, values[i])) {
            errors.push_back(where + ": " + Quoted(shape->keys[i]) +
                             " must be a number within the range of a float, not " + value->dump());
        }
    }
    std::uint16_t level = kToolLevel;
    if (const auto value = item.find("level"); value != item.end() && !ReadLevel(*value, level)) {
        errors.push_back(where + ": \"level\" must be a whole number from 0 to 65535, not " +
                         value->dump());
    }
    for (const auto& [key, value] : item.items()) {
        const bool known =
            key == "type" || key == "level" ||
            std::find(shape->keys.begin(), shape->keys.end(), key) != shape->keys.end();
        if (!known) {
            errors.push_back(where + ": " + Quoted(key) + " is not a key of a " +
                             std::string(shape->type));
        }
    }
    return errors.size() == before ? MakeNode(*shape, values, level) : nullptr;
}

// The shortest decimal that reads back as `v`, as the double the JSON writer prints; the full
// double value of `v` in the rare case that a reader's double-then-float rounding could miss it.
double ExactNumber(float v) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), v);
    double shortest = 0.0;
    const auto read = std::from_chars(text.data(), written.ptr, shortest);
    if (written.ec != std::errc() || read.ec != std::errc() || static_cast<float>(shortest) != v) {
        return v;
    }
    return shortest;
}

Values ValuesOf(const CData& node) {
    auto f = [](double v) { return static_cast<float>(v); };
    switch (node.GetType()) {
        case kNodeLine:
            return {f(node.GetX1()), f(node.GetY1()), f(node.GetX2()), f(node.GetY2())};
        case kNodePoint:
            return {f(node.GetX1()), f(node.GetY1())};
        default:
            return {f(node.GetX1()),      f(node.GetY1()),    f(node.GetAxisA()),
                    f(node.GetAxisB()),   f(node.GetAngle()), f(node.GetStartAngle()),
                    f(node.GetEndAngle())};
    }
}

// The element as the stored kinds know it: by its node type, as a glyph is decoded and encoded.
nlohmann::ordered_json StoredJson(const CData& node) {
    const Shape* shape = ShapeOfNode(node.GetType());
    if (shape == nullptr || node.GetElement() == nullptr) {
        return nullptr;
    }
    nlohmann::ordered_json element = {{"type", shape->type}};
    const Values values = ValuesOf(node);
    for (std::size_t i = 0; i < shape->keys.size(); ++i) {
        element[std::string(shape->keys[i])] = ExactNumber(values[i]);
    }
    return element;
}

nlohmann::ordered_json PolygonJson(const CDrawObj& polygon) {
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    if (const std::vector<PointF>* vertices = polygon.GetPoints(); vertices != nullptr) {
        for (const PointF& p : *vertices) {
            points.push_back({ExactNumber(p.x), ExactNumber(p.y)});
        }
    }
    return {{"type", "polygon"}, {"points", std::move(points)}};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Texts are kept in the display code page; JSON wants UTF-8. Windows-1252 has nothing beyond
// the basic plane, so every UTF-16 unit is a whole character.
std::string DisplayTextToUtf8(std::string_view text) {
    std::string out;
    for (const char16_t c : AnsiToUtf16(text)) {
        AppendUtf8(out, c);
    }
    return out;
}

nlohmann::ordered_json TextJson(const CDrawObj& text) {
    return {{"type", "text"},
            {"text", DisplayTextToUtf8(text.GetText())},
            {"x", ExactNumber(text.GetX1())},
            {"y", ExactNumber(text.GetY1())},
            {"height", ExactNumber(text.GetHeight())},
            {"angle", ExactNumber(text.GetAngle())}};
}

// The element by what it is, whatever node holds it; null for the kinds no tool makes (the
// transformation frames of placed symbols) and for nodes without an element (groups).
nlohmann::ordered_json ElementJson(const CData& node) {
    const CDrawObj* element = node.GetElement();
    if (element == nullptr) {
        return nullptr;
    }
    auto numbers = [](std::string_view type, std::span<const std::string_view> keys,
                      std::initializer_list<float> values) {
        nlohmann::ordered_json json = {{"type", type}};
        const float* value = values.begin();
        for (const std::string_view key : keys) {
            json[std::string(key)] = ExactNumber(*value++);
        }
        return json;
    };
    const CDrawObj& e = *element;
    if (e.IsKindOf(CDrawObjLine::kRuntimeClass)) {
        return numbers("line", kLineKeys, {e.GetX1(), e.GetY1(), e.GetX2(), e.GetY2()});
    }
    if (e.IsKindOf(CDrawObjCircle::kRuntimeClass)) {
        return numbers("point", kPointKeys, {e.GetX1(), e.GetY1()});
    }
    if (e.IsKindOf(CDrawObjEllipse::kRuntimeClass)) {
        return numbers("ellipse", kEllipseKeys,
                       {e.GetX1(), e.GetY1(), e.GetAxisA(), e.GetAxisB(), e.GetAngle(),
                        e.GetStartAngle(), e.GetEndAngle()});
    }
    if (e.IsKindOf(CDrawObjPolygon::kRuntimeClass)) {
        return PolygonJson(*element);
    }
    if (e.IsKindOf(CDrawObjVectorText::kRuntimeClass)) {
        return TextJson(e);
    }
    return nullptr;
}

}  // namespace

DrawingRead ReadDrawingJson(std::string_view text) {
    DrawingRead result;
    try {
        const json document = json::parse(text.begin(), text.end());
        const auto elements = document.is_object() ? document.find("elements") : document.end();
        if (!document.is_object() || elements == document.end() || !elements->is_array()) {
            result.errors.push_back("the document must be an object with an \"elements\" list");
            return result;
        }
        for (std::size_t i = 0; i < elements->size(); ++i) {
            auto node =
                ParseElement((*elements)[i], "elements[" + std::to_string(i) + "]", result.errors);
            if (node) {
                result.nodes.push_back(std::move(node));
            }
        }
    } catch (const json::exception& error) {
        // The parser's text names the line and column; its exception id means nothing to users.
        std::string_view detail = error.what();
        if (const std::size_t tag = detail.find("] "); tag != std::string_view::npos) {
            detail.remove_prefix(tag + 2);
        }
        result.errors.push_back("not valid JSON: " + std::string(detail));
    }
    if (!result.errors.empty()) {
        result.nodes.clear();
    }
    return result;
}

nlohmann::ordered_json DrawingToJson(const CPaper& paper, const DrawingJsonOptions& options) {
    return DrawingToJson(*paper.GetCollection(), options);
}

nlohmann::ordered_json DrawingToJson(const CDataCollection& drawing,
                                     const DrawingJsonOptions& options) {
    nlohmann::ordered_json elements = nlohmann::ordered_json::array();
    const std::vector<const CData*> nodes =
        options.everyElement ? drawing.CollectByType(std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max(), true)
                             : drawing.CollectByType(kNodeLine, kNodePoint, true);
    for (const CData* node : nodes) {
        nlohmann::ordered_json element =
            options.everyElement ? ElementJson(*node) : StoredJson(*node);
        if (element.is_null()) {
            continue;
        }
        element["level"] = node->GetLevel();
        if (options.marks) {
            element["mark"] = node->GetMark();
        }
        elements.push_back(std::move(element));
    }
    return {{"elements", std::move(elements)}};
}

std::string WriteDrawingJson(const CPaper& paper, const DrawingJsonOptions& options) {
    return WriteDrawingJson(*paper.GetCollection(), options);
}

std::string WriteDrawingJson(const CDataCollection& drawing, const DrawingJsonOptions& options) {
    const nlohmann::ordered_json document = DrawingToJson(drawing, options);
    std::string text = "{\"elements\": [";
    const char* separator = "\n  ";
    for (const auto& element : document["elements"]) {
        text += separator + element.dump();
        separator = ",\n  ";
    }
    return text + (document["elements"].empty() ? "]}\n" : "\n]}\n");
}

}  // namespace korvo
