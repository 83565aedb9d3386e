// SPDX-License-Identifier: MIT
#include "cli/table_command.h"

#include "model/startup.h"
#include "model/text.h"

namespace kestrel::cli {

std::string tableCsv() {
    // The table as the window holds it after start-up.
    State s;
    startUp(s);
    const KatJoColumns& t = s.table;
    std::string text = "row,tc,fc,eps,mu,n\n";
    for (long i = 1; i <= s.KatJo_last; ++i) {
        text += std::to_string(i);
        for (const TableColumn* column :
             {&t.KatJo_tc, &t.KatJo_fc, &t.KatJo_eps, &t.KatJo_mu, &t.KatJo_n}) {
            text += ",";
            text += numberText((*column)[i], ".");
        }
        text += "\n";
    }
    return text;
}

CLI::App* TableCommand::attach(CLI::App& app) {
    CLI::App* command =
        app.add_subcommand("table", "Print the built-in thickness-camber table (496 rows) as CSV.");
    command->footer(R"(Output: the header row,tc,fc,eps,mu,n, then one line per table row:
  row  1 to 496; the row of thickness T and camber C (in hundredths) is 1 + 31 C + T
  tc   thickness ratio t/c, 0 to 0.3
  fc   camber ratio f/c, 0 to 0.15
  eps  circle centre offset along the negative real axis
  mu   circle centre offset along the imaginary axis
  n    exponent of the mapping (2 in every row)
Numbers are in the shortest decimal form that reads back as the same double.)");
    return command;
}

std::string TableCommand::run() {
    return tableCsv();
}

} // namespace kestrel::cli
