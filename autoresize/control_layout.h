// ControlLayout: what the layout control records for one control of its host.
#pragma once

#include <cstdint>

namespace quillmere {

// Geometry in twips relative to the control's container, font size in points.
// A line records its end points in the geometry fields. A value the control
// does not have is 0.
struct ControlLayout {
    std::int32_t CtlIndex = 0;  // position in the host's control list
    float LeftX1 = 0;           // Left, or X1 of a line
    float TopY1 = 0;            // Top, or Y1
    float WidthX2 = 0;          // Width, or X2
    float HeightY2 = 0;         // Height, or Y2
    float FontSize = 0;         // 0 for a line

    friend bool operator==(const ControlLayout&, const ControlLayout&) = default;
};

}  // namespace quillmere
