// SPDX-License-Identifier: MIT
// The study window's Comparison tab: the current and the kept profile's numbers side by side.
#pragma once

#include "model/comparison_table.h"
#include "plots/ghost.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace kestrel {

class ComparisonTab : public QWidget {
public:
    explicit ComparisonTab(QWidget* parent = nullptr);

    // Fills the table from the current state (one whose profile exists, or none) and the kept
    // profile, or shows that nothing is kept.
    void show(const State* current, double mach, const Ghost* kept);

    QTableWidget* table() const { return table_; }

protected:
    // A change of language names the columns and the note anew; the rows follow at the study
    // window's next show().
    void changeEvent(QEvent* event) override;

private:
    void nameParts();

    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace kestrel
