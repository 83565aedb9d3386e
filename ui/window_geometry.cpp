// SPDX-License-Identifier: MIT
#include "ui/window_geometry.h"

#include "plots/painter.h"
#include "plots/zoom.h"

#include <algorithm>

namespace kestrel {

QFont windowFont() {
    return textFont(TextFont::Caption);
}

QRect zoomedRect(const QRect& rect, double zoom) {
    const int left = zoomedPixels(rect.x(), zoom);
    const int top = zoomedPixels(rect.y(), zoom);
    return QRect(left, top, zoomedPixels(rect.x() + rect.width(), zoom) - left,
                 zoomedPixels(rect.y() + rect.height(), zoom) - top);
}

QFont zoomedFont(QFont font, double zoom) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * zoom);
    } else {
        font.setPixelSize(zoomedPixels(font.pixelSize(), zoom));
    }
    return font;
}

QRect besideWindow(const QRect& main, QSize size, QSize minimum, const QRect& available) {
    const int screenRight = available.x() + available.width();
    const int roomRight = screenRight - (main.x() + main.width());
    const int roomLeft = main.x() - available.x();
    const bool right =
        roomRight >= size.width() || (roomLeft < size.width() && roomRight >= roomLeft);
    const int room = right ? roomRight : roomLeft;
    const int width = std::min(std::max(std::min(size.width(), room), minimum.width()),
                               std::max(available.width(), minimum.width()));
    int x = right ? main.x() + main.width() : main.x() - width;
    x = std::max(available.x(), std::min(x, screenRight - width));
    const int height = std::max(std::min(size.height(), available.height()), minimum.height());
    const int y =
        std::max(available.y(), std::min(main.y(), available.y() + available.height() - height));
    return QRect(x, y, width, height);
}

} // namespace kestrel
