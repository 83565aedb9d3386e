// SPDX-License-Identifier: MIT
#include "cli/pictures.h"

#include "cli/command.h"
#include "plots/painter.h"
#include "plots/picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>
#include <memory>

namespace kestrel::cli {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's notices (for example that no runtime folder is set) would add lines to standard error,
// where the tool writes one line per failure; only critical and fatal messages get through.
void quietNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

// A QGuiApplication on the offscreen platform for as long as the pictures are painted: the
// label fonts need one, a display is never needed, and the environment's choice of platform
// is overridden so that a missing display cannot stop the tool.
class HeadlessGui {
public:
    HeadlessGui() {
        if (QGuiApplication::instance() != nullptr) {
            return;
        }
        previousHandler = qInstallMessageHandler(quietNotices);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~HeadlessGui() {
        if (app_) {
            app_.reset();
            qInstallMessageHandler(previousHandler);
        }
    }
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

private:
    // QGuiApplication keeps references to these for its whole life.
    char name_[13] = "kestrel-calc";
    int argc_ = 1;
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

std::string nameOf(SurfaceId id) {
    return std::string(surfaceDefinition(id).name);
}

QSize pictureSize(SurfaceId id, double scale) {
    const QSize logical = pictureSize(id);
    return QSize(static_cast<int>(std::lround(logical.width() * scale)),
                 static_cast<int>(std::lround(logical.height() * scale)));
}

QByteArray pngPicture(const Surface& surface, SurfaceId id, double scale) {
    QImage image(pictureSize(id, scale), QImage::Format_RGB32);
    if (image.isNull()) {
        throw RunError("cannot make room for the " + nameOf(id) + " picture");
    }
    // A fractional scale leaves up to one pixel beyond the painted surface at the right and
    // bottom edges: it shows the background too.
    image.fill(toQColor(surface.background()));
    QPainter painter(&image);
    paintPicture(painter, surface, id, scale);
    painter.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw RunError("cannot encode the " + nameOf(id) + " picture as PNG");
    }
    return bytes;
}

QByteArray svgPicture(const Surface& surface, SurfaceId id, double scale) {
    const QSize size = pictureSize(id, scale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QString::fromStdString(nameOf(id)));
    generator.setDescription(QStringLiteral("Kestrel"));
    QPainter painter(&generator);
    paintPicture(painter, surface, id, scale);
    painter.end();

    // The generator states the size in millimetres at its own resolution; the picture's width
    // and height are its pixel size instead, equal to the viewBox, so that every viewer shows it
    // at the same size as the PNG.
    static const QRegularExpression kGeneratedSize(R"(<svg width="[^"]*" height="[^"]*")");
    QString text = QString::fromUtf8(bytes);
    text.replace(
        kGeneratedSize,
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(size.width()).arg(size.height()));
    return text.toUtf8();
}

} // namespace

std::vector<PictureFile> renderPictures(const PlotSurfaces& surfaces, PictureFormat format,
                                        double scale) {
    const HeadlessGui gui;
    std::vector<PictureFile> files;
    for (const SurfaceDefinition& d : kSurfaces) {
        const Surface& surface = surfaces[d.id];
        if (format == PictureFormat::Png) {
            files.push_back({nameOf(d.id) + ".png", pngPicture(surface, d.id, scale)});
        } else {
            files.push_back({nameOf(d.id) + ".svg", svgPicture(surface, d.id, scale)});
        }
    }
    return files;
}

} // namespace kestrel::cli
