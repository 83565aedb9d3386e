// SPDX-License-Identifier: MIT
#include "plots/surface.h"

#include <cmath>

namespace kestrel {

namespace {

float single(double value) {
    return static_cast<float>(value);
}

std::vector<SurfacePoint> singlePoints(const std::vector<UserPoint>& points) {
    std::vector<SurfacePoint> out;
    out.reserve(points.size());
    for (const UserPoint& p : points) {
        out.push_back(SurfacePoint{single(p.x), single(p.y)});
    }
    return out;
}

SurfaceItem corners(SurfaceItem::Kind kind, double x1, double y1, double x2, double y2,
                    Colour colour) {
    SurfaceItem item;
    item.kind = kind;
    item.x1 = single(x1);
    item.y1 = single(y1);
    item.x2 = single(x2);
    item.y2 = single(y2);
    item.colour = colour;
    return item;
}

} // namespace

std::string_view itemKindName(SurfaceItem::Kind kind) {
    static constexpr std::string_view kNames[kItemKindCount] = {
        "Line", "Circle", "Polyline", "Polygon", "Text", "Marker",
        "Edge", "Rect",   "Area",     "Image",   "Label"};
    return kNames[static_cast<int>(kind)];
}

void Surface::Cls() {
    items_.clear();
    ++clears_;
    changed();
}

void Surface::Scale(double x1, double y1, double x2, double y2) {
    scale_ = UserRect{single(x1), single(y1), single(x2), single(y2)};
    changed();
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, foreground_);
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour colour) {
    record(corners(SurfaceItem::Kind::Line, x1, y1, x2, y2, colour));
}

void Surface::Circle(double x, double y, double r, Colour colour) {
    SurfaceItem item;
    item.kind = SurfaceItem::Kind::Circle;
    item.x1 = single(x);
    item.y1 = single(y);
    item.r = single(r);
    item.colour = colour;
    record(std::move(item));
}

void Surface::Polyline(const std::vector<UserPoint>& points, Colour colour, double widthPx) {
    SurfaceItem item;
    item.kind = SurfaceItem::Kind::Polyline;
    item.points = singlePoints(points);
    item.colour = colour;
    item.sizePx = single(widthPx);
    record(std::move(item));
}

void Surface::Polygon(const std::vector<UserPoint>& points, Colour fill) {
    SurfaceItem item;
    item.kind = SurfaceItem::Kind::Polygon;
    item.points = singlePoints(points);
    item.colour = fill;
    record(std::move(item));
}

void Surface::Text(double x, double y, std::string text, Colour colour, TextAlign align,
                   TextFont font) {
    SurfaceItem item;
    item.kind = SurfaceItem::Kind::Text;
    item.x1 = single(x);
    item.y1 = single(y);
    item.text = std::move(text);
    item.colour = colour;
    item.align = align;
    item.font = font;
    record(std::move(item));
}

void Surface::Marker(double x, double y, double sizePx, Colour colour) {
    SurfaceItem item;
    item.kind = SurfaceItem::Kind::Marker;
    item.x1 = single(x);
    item.y1 = single(y);
    item.sizePx = single(sizePx);
    item.colour = colour;
    record(std::move(item));
}

void Surface::Edge(double x1, double y1, double x2, double y2, Colour colour, double widthPx) {
    SurfaceItem item = corners(SurfaceItem::Kind::Edge, x1, y1, x2, y2, colour);
    item.sizePx = single(widthPx);
    record(std::move(item));
}

void Surface::FillRect(double x1, double y1, double x2, double y2, Colour colour) {
    record(corners(SurfaceItem::Kind::Rect, x1, y1, x2, y2, colour));
}

void Surface::FrameRect(double x1, double y1, double x2, double y2, Colour colour, double widthPx) {
    SurfaceItem item = corners(SurfaceItem::Kind::Rect, x1, y1, x2, y2, colour);
    item.sizePx = single(widthPx);
    record(std::move(item));
}

void Surface::Area(const ItemBox& box, const UserRect& user) {
    SurfaceItem item = corners(SurfaceItem::Kind::Area, user.x1, user.y1, user.x2, user.y2, 0);
    item.box = box;
    record(std::move(item));
}

void Surface::Image(double x1, double y1, double x2, double y2,
                    std::shared_ptr<const RasterImage> image) {
    SurfaceItem item = corners(SurfaceItem::Kind::Image, x1, y1, x2, y2, 0);
    item.image = std::move(image);
    record(std::move(item));
}

void Surface::Label(double x1, double y1, double x2, double y2, std::string text, Colour colour,
                    TextFont font) {
    SurfaceItem item = corners(SurfaceItem::Kind::Label, x1, y1, x2, y2, colour);
    item.text = std::move(text);
    item.font = font;
    record(std::move(item));
}

void Surface::Append(const Surface& other, const ItemBox& box) {
    items_.reserve(items_.size() + other.items_.size() + 1);
    Area(box, other.scale());
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    changed();
}

void Surface::record(SurfaceItem item) {
    items_.push_back(std::move(item));
    changed();
}

void Surface::changed() const {
    if (onChange_) {
        onChange_();
    }
}

ScaleMap::ScaleMap(const UserRect& user, double left, double top, double width, double height)
    : user_(user), left_(left), top_(top) {
    const double userWidth = static_cast<double>(user.x2) - user.x1;
    const double userHeight = static_cast<double>(user.y2) - user.y1;
    sx_ = userWidth != 0 ? width / userWidth : 1;
    sy_ = userHeight != 0 ? height / userHeight : 1;
}

double ScaleMap::horizontalLength(double userLength) const {
    return std::fabs(userLength * sx_);
}

} // namespace kestrel
