// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrel {

// One column of the thickness-camber table. Sized by the start-up procedure (indices 0 to
// KatJo_last); every slot starts at 0 and every access is bounds-checked.
class TableColumn {
public:
    explicit TableColumn(const char* name) : name_(name) {}

    void resize(long last) { values_.assign(static_cast<std::size_t>(last + 1), 0.0); }
    long last() const { return static_cast<long>(values_.size()) - 1; }

    double& operator[](long i) { return values_[checked(i)]; }
    double operator[](long i) const { return values_[checked(i)]; }

private:
    std::size_t checked(long i) const {
        if (i < 0 || i > last()) {
            throw std::out_of_range("index " + std::to_string(i) + " out of range 0 to " +
                                    std::to_string(last()) + " in " + name_);
        }
        return static_cast<std::size_t>(i);
    }

    const char* name_;
    std::vector<double> values_;
};

// The five parallel columns of the table: thickness ratio t/c, camber ratio f/c, the circle
// centre offsets eps (along the negative real axis) and mu (along the imaginary axis), and the
// mapping exponent n (2 in every row, read by nothing).
struct KatJoColumns {
    TableColumn KatJo_tc{"KatJo_tc"};
    TableColumn KatJo_fc{"KatJo_fc"};
    TableColumn KatJo_eps{"KatJo_eps"};
    TableColumn KatJo_mu{"KatJo_mu"};
    TableColumn KatJo_n{"KatJo_n"};
};

// Last row index of the table.
inline constexpr long kKatJoLast = 496;

// The generated constant rows of the table, one per source line, in row order: kKatJoRows[0]
// is row 1. Each row holds t/c, f/c, eps, mu, n.
struct KatJoRow {
    double tc, fc, eps, mu, n;
};
extern const KatJoRow kKatJoRows[kKatJoLast];

// Fills rows 1 to 496 of the five columns, which the caller has sized 0 to KatJo_last.
// Slot 0 is left as it is. Every value is a constant of the program.
void KatJo_yukle(TableColumn& KatJo_tc, TableColumn& KatJo_fc, TableColumn& KatJo_eps,
                 TableColumn& KatJo_mu, TableColumn& KatJo_n);

} // namespace kestrel
