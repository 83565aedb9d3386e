// SPDX-License-Identifier: MIT
#include "ui/kept_profile.h"

#include "ui/qt_text.h"

#include <QSettings>

namespace kestrel {

namespace {

const QString kGroup = QStringLiteral("comparison");
const QString kMachKey = QStringLiteral("mach");

QString keyOf(const InputDefinition& input) {
    return qtText(input.scrollBar);
}

} // namespace

std::optional<ChainInputs> rememberedKeptInputs() {
    QSettings settings;
    settings.beginGroup(kGroup);
    if (!settings.contains(kMachKey)) {
        return std::nullopt;
    }
    ChainInputs inputs;
    for (const InputDefinition& input : kInputs) {
        bool ok = false;
        const int position = settings.value(keyOf(input)).toInt(&ok);
        if (!ok || position < input.minimum || position > input.maximum) {
            settings.endGroup();
            forgetKeptInputs();
            return std::nullopt;
        }
        inputs.position(input.id) = position;
    }
    inputs.mach = settings.value(kMachKey).toString().toStdString();
    return inputs;
}

void rememberKeptInputs(const ChainInputs& inputs) {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (const InputDefinition& input : kInputs) {
        settings.setValue(keyOf(input), inputs.position(input.id));
    }
    settings.setValue(kMachKey, QString::fromStdString(inputs.mach));
    settings.endGroup();
    settings.sync();
}

void forgetKeptInputs() {
    QSettings settings;
    settings.remove(kGroup);
    settings.sync();
}

} // namespace kestrel
