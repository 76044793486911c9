#pragma once

// The content of a number line control: marks at positions along the line, each with a short
// tag drawn at it and a line of text for the legend below the line. The record holds them;
// the window only draws them.

#include <string>

namespace binora {

enum class LineMarkKind {
    point,    // a number on the line: a tick, its tag below the line
    midpoint, // half-way between two points: a dashed tick, its tag below the line
    exact,    // the value placed between the points: a marker above the line, its tag above it
    rounded,  // what that value became: a ring around the point it went to, its tag under the
              // point's
};

struct LineMark {
    LineMarkKind kind = LineMarkKind::point;
    // Along the line: 0 its left end, 1 its right end; a mark beyond an end is drawn at that
    // end with an arrow that points on.
    double position = 0.0;
    std::string tag;   // a word or two, drawn at the mark
    std::string label; // its line of the legend; empty for none

    bool operator==(const LineMark&) const = default;
};

} // namespace binora
