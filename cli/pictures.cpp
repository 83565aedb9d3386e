// SPDX-License-Identifier: MIT
#include "cli/pictures.h"

#include "cli/command.h"
#include "plots/flow_painter.h"
#include "plots/picture_files.h"

#include <QGuiApplication>
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

} // namespace

std::vector<PictureFile> renderPictures(const PlotSurfaces& surfaces, PictureFormat format,
                                        double scale) {
    const HeadlessGui gui;
    std::vector<PictureFile> files;
    for (const SurfaceDefinition& d : kSurfaces) {
        const Surface& surface = surfaces[d.id];
        try {
            if (format == PictureFormat::Png) {
                files.push_back({nameOf(d.id) + ".png", plotPng(surface, d.id, scale)});
            } else {
                files.push_back({nameOf(d.id) + ".svg", plotSvg(surface, d.id, scale)});
            }
        } catch (const std::runtime_error& error) {
            throw RunError("the " + nameOf(d.id) + " picture: " + error.what());
        }
    }
    return files;
}

QByteArray renderFlowPicture(const FlowPicture& picture, int width, int height,
                             PictureFormat format) {
    const HeadlessGui gui;
    try {
        const QSize size(width, height);
        return format == PictureFormat::Png ? flowPng(picture, size) : flowSvg(picture, size);
    } catch (const std::runtime_error& error) {
        throw RunError(std::string("the flow picture: ") + error.what());
    }
}

} // namespace kestrel::cli
