// SPDX-License-Identifier: MIT
// The whole flow picture painted with QPainter: both planes and the Cp legend in the layout of
// flowLayout, through the same surface painter as the five plots, and as PNG or SVG bytes.
#pragma once

#include "plots/flow_picture.h"

#include <QByteArray>
#include <QSize>

class QPainter;

namespace kestrel {

// Paints the picture of `size` logical pixels into a painter whose device is `scale` times that
// size: a white background, the left plane at mapping stage t, the profile plane, the legend,
// each plane framed. Needs a QGuiApplication for the fonts.
void paintFlowPicture(QPainter& painter, const FlowPicture& picture, QSize size, double scale,
                      double t = 0);

// The picture at stage t as a PNG or an SVG of `size` pixels. Throws std::runtime_error when the
// image cannot be made or encoded.
QByteArray flowPng(const FlowPicture& picture, QSize size, double t = 0);
QByteArray flowSvg(const FlowPicture& picture, QSize size, double t = 0);

} // namespace kestrel
