// SPDX-License-Identifier: MIT
#include "ui/view_zoom.h"

#include "model/text.h"
#include "model/texts.h"
#include "plots/zoom.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/window_geometry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QSettings>
#include <array>
#include <stdexcept>
#include <utility>

namespace kestrel {

namespace {

const QString kZoomKey = QStringLiteral("view/zoom");
const QString kZoomOption = QStringLiteral("zoom");

QString zoomText(double zoom) {
    return qtText(numberText(zoom, "."));
}

} // namespace

double rememberedZoom() {
    const QString kept = QSettings().value(kZoomKey).toString();
    return zoomFactor(kept.toStdString()).value_or(kSmallestZoom);
}

void rememberZoom(double zoom) {
    QSettings().setValue(kZoomKey, zoomText(zoom));
}

void addZoomOption(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(
        kZoomOption,
        textOf(TextId::ZoomOptionHelp).arg(zoomText(kSmallestZoom), zoomText(kLargestZoom)),
        QStringLiteral("FACTOR")));
}

double openingZoom(const QCommandLineParser& parser) {
    if (!parser.isSet(kZoomOption)) {
        return rememberedZoom();
    }
    const QString given = parser.value(kZoomOption);
    if (const std::optional<double> zoom = zoomFactor(given.toStdString())) {
        return *zoom;
    }
    throw std::invalid_argument(textOf(TextId::ZoomOptionBad)
                                    .arg(zoomText(kSmallestZoom), zoomText(kLargestZoom), given)
                                    .toStdString());
}

void zoomPopupFonts(double zoom) {
    static const std::array<std::pair<const char*, QFont>, 3> original{{
        {"QMenu", QApplication::font("QMenu")},
        {"QTipLabel", QApplication::font("QTipLabel")},
        {"QMessageBox", QApplication::font("QMessageBox")},
    }};
    for (const auto& [className, font] : original) {
        QApplication::setFont(zoomedFont(font, zoom), className);
    }
}

} // namespace kestrel
