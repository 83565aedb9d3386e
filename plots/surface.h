// SPDX-License-Identifier: MIT
// A drawing surface that records its lines, circles, polylines, filled polygons, texts and
// markers, and the map from its user coordinates to a device rectangle.
#pragma once

#include "model/state.h"
#include "plots/colours.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrel {

// A point in the user coordinates of a surface.
struct UserPoint {
    double x = 0, y = 0;
};

// Horizontal alignment of a text on its anchor point; the text is vertically centred on it.
enum class TextAlign { Left, Centre, Right };
// Small plain (8 pt) or bold (9 pt) sans-serif text.
enum class TextFont { Caption, Heading };

// A recorded point, rounded to single precision like every recorded coordinate.
struct SurfacePoint {
    float x = 0, y = 0;

    bool operator==(const SurfacePoint&) const = default;
};

// One recorded drawing operation, in the user coordinates of the surface at the time it was
// drawn, rounded to single precision. A circle keeps its centre in (x1, y1) and its radius,
// measured in horizontal user units, in r. A polyline and a polygon keep their corners in
// points; a text and a marker keep their anchor point or centre in (x1, y1). sizePx is a width
// or diameter in logical pixels: the pen of a polyline, the dot of a marker.
struct SurfaceItem {
    enum class Kind { Line, Circle, Polyline, Polygon, Text, Marker };
    Kind kind = Kind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
    Colour colour = 0;
    float sizePx = 0;
    std::vector<SurfacePoint> points;
    std::string text; // UTF-8
    TextAlign align = TextAlign::Left;
    TextFont font = TextFont::Caption;

    bool operator==(const SurfaceItem&) const = default;
};

// The user coordinate system of a surface: (x1, y1) is the top-left and (x2, y2) the
// bottom-right corner of the drawing area.
struct UserRect {
    float x1 = 0, y1 = 0, x2 = 1, y2 = 1;

    bool operator==(const UserRect&) const = default;
};

// A drawing surface that records what is drawn on it. Painting is done elsewhere, from the
// record, so the picture survives covering, resizing and any device-pixel ratio, and tests can
// read back the exact lines and circles.
class Surface {
public:
    explicit Surface(Colour foreground = 0, Colour background = kPlotBackground)
        : foreground_(foreground), background_(background) {}

    // Erases everything drawn on the surface.
    void Cls();
    // Sets the user coordinate system by its top-left and bottom-right corners.
    void Scale(double x1, double y1, double x2, double y2);
    // A straight segment in the surface's foreground colour, or in the given colour.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, Colour colour);
    // A circle outline centred at (x, y) with radius r in horizontal user units.
    void Circle(double x, double y, double r, Colour colour);
    // An open polyline through the points, its pen widthPx logical pixels wide.
    void Polyline(const std::vector<UserPoint>& points, Colour colour, double widthPx = 1);
    // A polygon filled with the colour, without an outline.
    void Polygon(const std::vector<UserPoint>& points, Colour fill);
    // A line of UTF-8 text anchored at (x, y): aligned horizontally on x, centred vertically on y.
    void Text(double x, double y, std::string text, Colour colour,
              TextAlign align = TextAlign::Left, TextFont font = TextFont::Caption);
    // A filled dot of sizePx logical pixels in diameter centred at (x, y).
    void Marker(double x, double y, double sizePx, Colour colour);

    const std::vector<SurfaceItem>& items() const { return items_; }
    const UserRect& scale() const { return scale_; }
    Colour foreground() const { return foreground_; }
    Colour background() const { return background_; }
    // Counts the clears: a test can tell whether a chain redrew the surface.
    unsigned clears() const { return clears_; }

    // Called after every change of the record, for example to schedule a repaint.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void record(SurfaceItem item);
    void changed() const;

    Colour foreground_;
    Colour background_;
    UserRect scale_;
    std::vector<SurfaceItem> items_;
    unsigned clears_ = 0;
    std::function<void()> onChange_;
};

// Maps the user coordinates of a surface onto a device rectangle (left, top, width, height), and
// back. Both axes are linear.
class ScaleMap {
public:
    ScaleMap(const UserRect& user, double left, double top, double width, double height);

    double x(double userX) const { return left_ + (userX - user_.x1) * sx_; }
    double y(double userY) const { return top_ + (userY - user_.y1) * sy_; }
    // A horizontal user length in device units (circle radii are measured this way).
    double horizontalLength(double userLength) const;
    double userX(double deviceX) const { return user_.x1 + (deviceX - left_) / sx_; }
    double userY(double deviceY) const { return user_.y1 + (deviceY - top_) / sy_; }

private:
    UserRect user_;
    double left_, top_;
    double sx_, sy_;
};

} // namespace kestrel
