#pragma once
// The arithmetic of a label's picture: where the text and its shadow copies go and in which
// colours. Kept apart from the drawing so that it can be checked exactly.
#include "editors/cxEdit/cxEditAlignment.h"

#include <cstdint>
#include <vector>

namespace velkaro {

enum TcxLabelEffect { cxleNormal, cxleFun, cxleExtrude, cxleCool };
enum TcxLabelStyle { cxlsNormal, cxlsRaised, cxlsLowered, cxlsOutLine };
enum TcxLabelOrientation {
    cxoLeft,
    cxoRight,
    cxoTop,
    cxoBottom,
    cxoLeftTop,
    cxoLeftBottom,
    cxoRightTop,
    cxoRightBottom
};

struct TcxLabelPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TcxLabelPoint&, const TcxLabelPoint&) = default;
};

// Colours here are 0x00BBGGRR values.
using TcxLabelRGB = std::uint32_t;

// How far the text moves so that text and shadow together are centred: against the shadow.
TcxLabelPoint LabelCentringOffset(TcxLabelOrientation orientation, int depth);
// Where the shadow lies from the text.
TcxLabelPoint LabelShadowOffset(TcxLabelOrientation orientation, int depth);
// The content size for automatic sizing: the text, the shadow and 2 pixels of width.
TcxLabelPoint LabelContentSize(TcxLabelOrientation orientation, int depth, int textWidth,
                               int textHeight);

// The rotation in use: the angle's remainder by 360 with the angle's sign.
int LabelAngle(int angle);
// A font's escapement for the rotation: tenths of a degree in 0..3599.
int LabelEscapement(int angle);
// Nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// The text's origin in the work bitmap. centre is (cx, cy), the text size is one line's.
// Unless the text is centred horizontally, negative coordinates become 0.
TcxLabelPoint LabelTextOrigin(TcxLabelPoint centre, int textWidth, int textHeight, int angle,
                              bool wordWrap, TAlignment horz);

// One copy of the text: its offset from the origin and its colour.
struct TcxLabelTextCopy {
    TcxLabelPoint Offset;
    TcxLabelRGB Color = 0;
    friend bool operator==(const TcxLabelTextCopy&, const TcxLabelTextCopy&) = default;
};

// The shadow copies in drawing order (the farthest first).
std::vector<TcxLabelTextCopy> LabelShadowCopies(TcxLabelEffect effect, TcxLabelPoint shadowOffset,
                                                TcxLabelRGB shadow, TcxLabelRGB background);
// A fun shadow's copy v of n: each channel moves from the shadow toward the background by
// (v - 1) / n, truncated.
TcxLabelRGB LabelFunColor(TcxLabelRGB shadow, TcxLabelRGB background, int v, int n);

// The colours a style draws the text in.
struct TcxLabelStyleColors {
    TcxLabelRGB Text = 0;
    TcxLabelRGB Highlight = 0;
    TcxLabelRGB Shadow = 0;
};
// The copies of the text itself; largeFont is a size above 11 points. A glyph fill replaces the
// copy in the text colour. The outline style draws one plain copy (its stroke is the painter's).
std::vector<TcxLabelTextCopy> LabelStyleCopies(TcxLabelStyle style, bool glyphFill, bool largeFont,
                                               const TcxLabelStyleColors& colors);
// Where the glyph fill's outline lies from the origin.
TcxLabelPoint LabelGlyphOffset(TcxLabelStyle style);

// How far right the finished picture is taken from: unrotated, unwrapped, left-aligned text is
// moved to one pixel from the left edge (the shadow to its left kept in view).
int LabelCopyShift(int angle, bool wordWrap, TAlignment horz, int originX, int shadowX);

// The text-measuring choices of a label.
struct TcxLabelMeasureFlags {
    TAlignment Horz = taLeftJustify;
    TcxEditVertAlignment Vert = taTopJustify;
    bool WordBreak = false;
    bool EndEllipsis = false;
};
TcxLabelMeasureFlags LabelMeasureFlags(TAlignment horz, TcxEditVertAlignment vert, bool wordWrap,
                                       int angle, bool showEndEllipsis, bool autoSize);

} // namespace velkaro
