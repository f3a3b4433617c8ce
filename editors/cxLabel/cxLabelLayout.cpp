#include "editors/cxLabel/cxLabelLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace velkaro {

namespace {

// The unit direction of the shadow for each orientation.
TcxLabelPoint ShadowDirection(TcxLabelOrientation orientation) {
    switch (orientation) {
    case cxoLeft:
        return {-1, 0};
    case cxoRight:
        return {1, 0};
    case cxoTop:
        return {0, -1};
    case cxoBottom:
        return {0, 1};
    case cxoLeftTop:
        return {-1, -1};
    case cxoLeftBottom:
        return {-1, 1};
    case cxoRightTop:
        return {1, -1};
    case cxoRightBottom:
        return {1, 1};
    }
    return {};
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

TcxLabelPoint LabelCentringOffset(TcxLabelOrientation orientation, int depth) {
    const TcxLabelPoint direction = ShadowDirection(orientation);
    return {-direction.X * depth, -direction.Y * depth};
}

TcxLabelPoint LabelShadowOffset(TcxLabelOrientation orientation, int depth) {
    const TcxLabelPoint direction = ShadowDirection(orientation);
    return {direction.X * depth, direction.Y * depth};
}

TcxLabelPoint LabelContentSize(TcxLabelOrientation orientation, int depth, int textWidth,
                               int textHeight) {
    const TcxLabelPoint direction = ShadowDirection(orientation);
    return {(direction.X != 0 ? depth : 0) + textWidth + 2,
            (direction.Y != 0 ? depth : 0) + textHeight};
}

int LabelAngle(int angle) {
    return angle % 360;
}

int LabelEscapement(int angle) {
    return (angle % 360 + 360) % 360 * 10;
}

int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
        return static_cast<int>(floor) + 1;
    }
    return static_cast<int>(floor);
}

TcxLabelPoint LabelTextOrigin(TcxLabelPoint centre, int textWidth, int textHeight, int angle,
                              bool wordWrap, TAlignment horz) {
    TcxLabelPoint origin;
    if (angle != 0 || !wordWrap) {
        const double radians = angle * std::numbers::pi / 180;
        const double cosine = std::cos(radians);
        const double sine = std::sin(radians);
        origin.X =
            centre.X - RoundHalfEven(cosine * textWidth / 2) - RoundHalfEven(sine * textHeight / 2);
        origin.Y =
            centre.Y + RoundHalfEven(sine * textWidth / 2) - RoundHalfEven(cosine * textHeight / 2);
    }
    if (horz != taCenter) {
        origin.X = std::max(origin.X, 0);
        origin.Y = std::max(origin.Y, 0);
    }
    return origin;
}

TcxLabelRGB LabelFunColor(TcxLabelRGB shadow, TcxLabelRGB background, int v, int n) {
    TcxLabelRGB color = 0;
    for (const int shift : {0, 8, 16}) {
        const int s = static_cast<int>((shadow >> shift) & 0xFF);
        const int b = static_cast<int>((background >> shift) & 0xFF);
        // s + (b - s)(v - 1)/n lies between s and b, so truncating the whole is this division.
        const int channel = (s * n + (b - s) * (v - 1)) / n;
        color |= static_cast<TcxLabelRGB>(channel) << shift;
    }
    return color;
}

std::vector<TcxLabelTextCopy> LabelShadowCopies(TcxLabelEffect effect, TcxLabelPoint shadowOffset,
                                                TcxLabelRGB shadow, TcxLabelRGB background) {
    std::vector<TcxLabelTextCopy> copies;
    const int n = std::max(std::abs(shadowOffset.X), std::abs(shadowOffset.Y));
    if (n == 0) {
        return copies;
    }
    switch (effect) {
    case cxleFun:
    case cxleExtrude:
        for (int v = n; v >= 1; --v) {
            const TcxLabelPoint offset{Sign(shadowOffset.X) * v, Sign(shadowOffset.Y) * v};
            copies.push_back(
                {offset, effect == cxleFun ? LabelFunColor(shadow, background, v, n) : shadow});
        }
        break;
    case cxleCool:
        copies.push_back({shadowOffset, shadow});
        break;
    case cxleNormal:
        break;
    }
    return copies;
}

std::vector<TcxLabelTextCopy> LabelStyleCopies(TcxLabelStyle style, bool glyphFill, bool largeFont,
                                               const TcxLabelStyleColors& colors) {
    std::vector<TcxLabelTextCopy> copies;
    switch (style) {
    case cxlsNormal:
    case cxlsOutLine:
        if (!glyphFill || style == cxlsOutLine) {
            copies.push_back({{0, 0}, colors.Text});
        }
        break;
    case cxlsRaised:
        copies.push_back({{0, 0}, colors.Highlight});
        if (largeFont) {
            copies.push_back({{2, 2}, colors.Shadow});
        }
        if (!glyphFill) {
            copies.push_back({{1, 1}, colors.Text});
        }
        break;
    case cxlsLowered:
        copies.push_back({{2, 2}, colors.Highlight});
        if (!glyphFill) {
            copies.push_back({{1, 1}, colors.Shadow});
        }
        break;
    }
    return copies;
}

TcxLabelPoint LabelGlyphOffset(TcxLabelStyle style) {
    return style == cxlsNormal ? TcxLabelPoint{0, 0} : TcxLabelPoint{1, 1};
}

int LabelCopyShift(int angle, bool wordWrap, TAlignment horz, int originX, int shadowX) {
    if (angle != 0 || wordWrap || horz != taLeftJustify) {
        return 0;
    }
    // A shadow far enough left would start outside the picture: take it from its left edge.
    return std::max(originX + std::min(shadowX, 0), 0);
}

TcxLabelMeasureFlags LabelMeasureFlags(TAlignment horz, TcxEditVertAlignment vert, bool wordWrap,
                                       int angle, bool showEndEllipsis, bool autoSize) {
    return {horz, vert, wordWrap && angle % 360 == 0, showEndEllipsis && !autoSize};
}

} // namespace velkaro
