// SPDX-License-Identifier: MIT
// A drawing surface that records everything a picture shows (lines, circles, polylines, filled
// polygons, texts, markers, crisp edges and rectangles, images, labels, and the areas that give
// the items after them their own coordinates), and the map from user to device coordinates.
#pragma once

#include "model/state.h"
#include "plots/colours.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// A point in the user coordinates of a surface.
struct UserPoint {
    double x = 0, y = 0;
};

// Horizontal alignment of a text on its anchor point; the text is vertically centred on it.
enum class TextAlign { Left, Centre, Right };
// The fonts of recorded texts and labels: small plain (8 pt) or bold (9 pt) sans-serif text, and
// the three fonts of the plots' static labels: italic ticks (6.75 pt), italic axis titles
// (8.25 pt) and the Greek letters in an upright serif face (8.25 pt).
enum class TextFont { Caption, Heading, Tick, AxisTitle, Greek };

// The order of a raster pixel's 4 bytes in memory: the order that the medium's one painter reads
// as it stands, so that painting copies the pixels without converting them. The page's canvas
// reads R, G, B, A (its ImageData); Qt reads B, G, R, A (its 32-bit RGB, 0xAARRGGBB on a
// little-endian machine).
#ifdef __EMSCRIPTEN__
inline constexpr bool kRasterRedFirst = true;
#else
inline constexpr bool kRasterRedFirst = false;
#endif

// A colour of the model (red in the low byte) as an opaque raster pixel.
constexpr std::uint32_t rasterPixel(Colour colour) {
    const auto rgb = static_cast<std::uint32_t>(colour) & 0xffffffu;
    const std::uint32_t ordered =
        kRasterRedFirst ? rgb : ((rgb & 0xffu) << 16) | (rgb & 0xff00u) | ((rgb >> 16) & 0xffu);
    return ordered | 0xff000000u;
}

// An opaque image of width x height pixels (rasterPixel), row by row from the top.
struct RasterImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A box in the logical pixels of a picture.
struct ItemBox {
    float left = 0, top = 0, width = 0, height = 0;

    bool operator==(const ItemBox&) const = default;
};

// A recorded point, rounded to single precision like every recorded coordinate.
struct SurfacePoint {
    float x = 0, y = 0;

    bool operator==(const SurfacePoint&) const = default;
};

// One recorded drawing operation, in the coordinates in force when it was drawn (the surface's
// user coordinates, or those of the latest Area item), rounded to single precision. A line, an
// edge, a rectangle, an image and a label keep two corners in (x1, y1) and (x2, y2). A circle
// keeps its centre in (x1, y1) and its radius, measured in horizontal user units, in r. A
// polyline and a polygon keep their corners in points; a text and a marker keep their anchor
// point or centre in (x1, y1). sizePx is a width or diameter in logical pixels: the pen of a
// polyline, an edge or a framed rectangle (0: a filled rectangle), the dot of a marker.
//   Edge   a crisp straight line: not antialiased, flat ends (borders and frames).
//   Rect   a rectangle filled with the colour, or framed by a crisp pen of sizePx.
//   Area   the items after it, up to the next Area, are in the user coordinates (x1, y1) top
//          left to (x2, y2) bottom right stretched over `box`, a box in the surface's own user
//          coordinates, and clipped to it.
//   Image  the pixels of `image` stretched over the rectangle of the two corners.
//   Label  a text at the top left of the box of the two corners, clipped to it.
struct SurfaceItem {
    enum class Kind {
        Line,
        Circle,
        Polyline,
        Polygon,
        Text,
        Marker,
        Edge,
        Rect,
        Area,
        Image,
        Label
    };
    Kind kind = Kind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
    Colour colour = 0;
    float sizePx = 0;
    std::vector<SurfacePoint> points;
    std::string text; // UTF-8
    TextAlign align = TextAlign::Left;
    TextFont font = TextFont::Caption;
    ItemBox box;
    std::shared_ptr<const RasterImage> image;

    bool operator==(const SurfaceItem&) const = default;
};

// How many item kinds there are, and the name of each (in the order of SurfaceItem::Kind), the
// names the browser module hands to the page.
inline constexpr int kItemKindCount = 11;
std::string_view itemKindName(SurfaceItem::Kind kind);

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
    // A crisp line widthPx logical pixels wide: not antialiased, with flat ends.
    void Edge(double x1, double y1, double x2, double y2, Colour colour, double widthPx);
    // The rectangle between two corners filled with the colour, or framed with a crisp pen.
    void FillRect(double x1, double y1, double x2, double y2, Colour colour);
    void FrameRect(double x1, double y1, double x2, double y2, Colour colour, double widthPx);
    // The items after this one are in the user coordinates `user` over `box`, given in the
    // surface's own user coordinates, and clipped to it.
    void Area(const ItemBox& box, const UserRect& user);
    // The image stretched over the rectangle between two corners.
    void Image(double x1, double y1, double x2, double y2,
               std::shared_ptr<const RasterImage> image);
    // A text at the top left of the box between two corners, cut to the box.
    void Label(double x1, double y1, double x2, double y2, std::string text, Colour colour,
               TextFont font);
    // Records the other surface's items after this one's, inside `box` (in this surface's user
    // coordinates) with the other surface's user coordinates.
    void Append(const Surface& other, const ItemBox& box);

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
