#pragma once

#include <string>

namespace korvo {

class CDataCollection;

// An SVG picture of the nodes (groups included) for other programs: every stroke unfilled, in
// its own colour, width and dash style, at its true size in millimetres. One drawing unit is one
// millimetre; x keeps its value and y is negated, as on the sheet where y grows upwards, so a
// point's numbers can be read back from the picture. Lines, points, circles, arcs, ellipses and
// polygons are drawn; texts and symbol frames are left out.
std::string WriteCollectionSvg(const CDataCollection& nodes);

}  // namespace korvo
