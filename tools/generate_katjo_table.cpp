// SPDX-License-Identifier: MIT
// Writes the source of the thickness-camber table (data/katjo_table.cpp).
//
//   kestrel_table_generator [--report] <output file | ->
//
// The output depends on nothing but this program, so running it again reproduces the committed
// file byte for byte. --report prints to standard error how the stored values compare with the
// plain rounding of the solutions and how close the closest solution came to a rounding tie.

#include "tools/katjo_table_builder.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using kestrel::tablegen::TableRow;

// Distance, in units of the fifth decimal, from value to the nearest rounding tie (x.5 units).
double distanceToTie(double value) {
    const double units = value * 1e5;
    return std::abs(units - std::floor(units) - 0.5);
}

void printReport(const std::vector<TableRow>& rows) {
    const auto counts = kestrel::tablegen::compareWithRounding(rows);
    std::cerr << "rows whose stored eps differs from the rounded solution: " << counts.epsDiffers
              << "\nrows whose stored mu differs from the rounded solution: " << counts.muDiffers
              << "\n";
    double closest = 1.0;
    int closestRow = 0;
    for (const TableRow& row : rows) {
        if (row.thickness == 0) {
            continue; // exact rows, not solved
        }
        const int index = kestrel::tablegen::rowIndex(row.thickness, row.camber);
        for (double value : {row.exactEps, row.exactMu}) {
            if (value != 0.0 && distanceToTie(value) < closest) {
                closest = distanceToTie(value);
                closestRow = index;
            }
        }
        const long epsRounded = std::lround(row.exactEps * 1e5);
        const long muRounded = std::lround(row.exactMu * 1e5);
        if (epsRounded != row.epsUnits || muRounded != row.muUnits) {
            std::fprintf(stderr, "  row %3d: solved %.7f %.7f, stored %s %s\n", index, row.exactEps,
                         row.exactMu, kestrel::tablegen::decimalText(row.epsUnits).c_str(),
                         kestrel::tablegen::decimalText(row.muUnits).c_str());
        }
    }
    std::fprintf(stderr, "closest approach to a rounding tie: %.2e units (row %d)\n", closest,
                 closestRow);
}

} // namespace

int main(int argc, char** argv) {
    bool report = false;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--report") {
            report = true;
        } else if (output.empty()) {
            output = arg;
        } else {
            output.clear();
            break;
        }
    }
    if (output.empty()) {
        std::cerr << "usage: kestrel_table_generator [--report] <output file | ->\n";
        return 2;
    }

    try {
        const auto rows = kestrel::tablegen::buildTable();
        const std::string source = kestrel::tablegen::tableSource(rows);
        if (output == "-") {
            std::cout << source;
        } else {
            std::ofstream file(output, std::ios::binary | std::ios::trunc);
            file << source;
            file.close();
            if (!file) {
                std::cerr << "kestrel_table_generator: cannot write " << output << "\n";
                return 1;
            }
        }
        if (report) {
            printReport(rows);
        }
    } catch (const std::exception& e) {
        std::cerr << "kestrel_table_generator: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
