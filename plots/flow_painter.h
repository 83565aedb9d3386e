// SPDX-License-Identifier: MIT
// The whole flow picture painted with QPainter from its record (recordFlowPicture), through the
// same surface painter as the five plots, and as PNG or SVG bytes.
#pragma once

#include "plots/flow_picture.h"

#include <QByteArray>
#include <QSize>

class QPainter;

namespace kestrel {

// Paints a record of a picture of `size` logical pixels into a painter whose device is `scale`
// times that size. Needs a QGuiApplication for the fonts.
void paintFlowRecord(QPainter& painter, const Surface& record, QSize size, double scale);

// Records the picture at stage t with its shading at `scale` device pixels to the logical pixel,
// and paints it so, with the kept profile's ghost where there is one; its words in the language
// of `texts`.
void paintFlowPicture(QPainter& painter, const FlowPicture& picture, QSize size, double scale,
                      double t = 0, const Ghost* kept = nullptr, const Texts& texts = kTableTexts);

// The picture at stage t as a PNG or an SVG of `size` pixels. Throws std::runtime_error when the
// image cannot be made or encoded.
QByteArray flowPng(const FlowPicture& picture, QSize size, double t = 0);
QByteArray flowSvg(const FlowPicture& picture, QSize size, double t = 0);

} // namespace kestrel
