// SPDX-License-Identifier: MIT
#include "ui/comparison_tab.h"

#include "model/texts.h"
#include "ui/language.h"
#include "ui/qt_text.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kestrel {

ComparisonTab::ComparisonTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("comparisonTab"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("comparisonHeading"));
    heading_->setWordWrap(true);
    table_ = new QTableWidget(0, static_cast<int>(kComparisonColumns.size()), this);
    table_->setObjectName(QStringLiteral("comparisonTable"));
    showText(table_, TextRole::AccessibleName, TextId::ComparisonTableName);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    nameParts();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);
    layout->addWidget(note_);
}

void ComparisonTab::nameParts() {
    for (int c = 0; c < table_->columnCount(); ++c) {
        table_->setHorizontalHeaderItem(c, new QTableWidgetItem(textOf(kComparisonColumns[c])));
    }
    note_->setText(qtText(comparisonLayerNote(currentTexts())));
}

void ComparisonTab::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        nameParts();
    }
}

void ComparisonTab::show(const State* current, double mach, const Ghost* kept) {
    if (!kept) {
        heading_->setText(textOf(TextId::NothingKept));
        table_->setRowCount(0);
        return;
    }
    heading_->setText(qtText(kept->label(currentTexts())));
    const std::vector<ComparisonRow> rows = keptComparison(current, mach, *kept, currentTexts());
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setVerticalHeaderItem(r, new QTableWidgetItem(qtText(rows[r].quantity)));
        for (int c = 0; c < table_->columnCount(); ++c) {
            table_->setItem(r, c, new QTableWidgetItem(qtText(rows[r].cells[c])));
        }
    }
}

} // namespace kestrel
