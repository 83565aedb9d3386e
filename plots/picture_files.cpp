// SPDX-License-Identifier: MIT
#include "plots/picture_files.h"

#include "plots/painter.h"
#include "plots/picture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>
#include <stdexcept>

namespace kestrel {

namespace {

QString nameOf(SurfaceId id) {
    const std::string_view name = surfaceDefinition(id).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QSize scaledSize(QSize logical, double scale) {
    return QSize(static_cast<int>(std::lround(logical.width() * scale)),
                 static_cast<int>(std::lround(logical.height() * scale)));
}

QByteArray encodePng(QSize size, const QColor& background, const PaintFunction& paint) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        throw std::runtime_error("cannot make room for a picture of " +
                                 std::to_string(size.width()) + " x " +
                                 std::to_string(size.height()) + " pixels");
    }
    image.fill(background);
    QPainter painter(&image);
    paint(painter);
    painter.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw std::runtime_error("cannot encode the picture as PNG");
    }
    return bytes;
}

QByteArray encodeSvg(QSize size, const QString& title, const PaintFunction& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("Kestrel"));
    QPainter painter(&generator);
    paint(painter);
    painter.end();

    // The generator states the size in millimetres at its own resolution; the picture's width
    // and height are its pixel size instead, equal to the viewBox.
    static const QRegularExpression kGeneratedSize(R"(<svg width="[^"]*" height="[^"]*")");
    QString text = QString::fromUtf8(bytes);
    text.replace(
        kGeneratedSize,
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(size.width()).arg(size.height()));
    return text.toUtf8();
}

// A fractional scale leaves up to one pixel beyond the painted plot at the right and bottom
// edges: the fill shows the plot background there too.
QByteArray plotPng(const Surface& surface, SurfaceId id, double scale) {
    return encodePng(scaledSize(pictureSize(id), scale), toQColor(surface.background()),
                     [&](QPainter& painter) { paintPicture(painter, surface, id, scale); });
}

QByteArray plotSvg(const Surface& surface, SurfaceId id, double scale) {
    return encodeSvg(scaledSize(pictureSize(id), scale), nameOf(id),
                     [&](QPainter& painter) { paintPicture(painter, surface, id, scale); });
}

} // namespace kestrel
