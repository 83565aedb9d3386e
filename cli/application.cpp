// SPDX-License-Identifier: MIT
#include "cli/application.h"

#include "cli/command.h"
#include "cli/compare_command.h"
#include "cli/coords_command.h"
#include "cli/flow_command.h"
#include "cli/mach_command.h"
#include "cli/output.h"
#include "cli/profile_command.h"
#include "cli/render_command.h"
#include "cli/table_command.h"
#include "cli/theory_command.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kestrel::cli {

namespace {

constexpr const char* kProgram = "kestrel-calc";

constexpr const char* kDescription =
    "kestrel-calc: the numbers of Kestrel's window for scripts and teachers.\n"
    "Prints the built-in thickness-camber table, everything the window computes for one set of\n"
    "inputs, its compressibility numbers, the profile's coordinates or the flow about it, its\n"
    "thin-airfoil theory beside the exact values, and two sets of inputs side by side, and\n"
    "draws the window's five plots and the flow picture into picture files.";

constexpr const char* kFooter =
    R"(Run 'kestrel-calc SUBCOMMAND --help' for the options of a subcommand.

Exit status: 0 on success; 2 for a bad command line (one message on standard error, nothing on
standard output); 1 when the output or a picture cannot be written.

Examples:
  kestrel-calc table > table.csv
  kestrel-calc profile --thickness 12 --camber 2 --alpha 4 --mach 0.5
  kestrel-calc profile --thickness 12 --points 101 --format csv > surface.csv
  kestrel-calc mach --thickness 12 --camber 4 --alpha 5 --mach 0.6
  kestrel-calc coords --thickness 12 --camber 4 > kestrel-12-4.dat
  kestrel-calc render --out plots --thickness 12 --camber 4 --alpha 5 --mach 0.3 --scale 2
  kestrel-calc flow --thickness 12 --camber 4 --alpha 5 --probe 0.5,0.1
  kestrel-calc flow --thickness 12 --camber 4 --alpha 5 --format png --out flow.png
  kestrel-calc theory --thickness 12 --camber 4 --alpha 5
  kestrel-calc compare --a "thickness=12,camber=4,alpha=5" --b "thickness=12,alpha=5")";

// A subcommand and the parser entry it attached.
struct AttachedCommand {
    std::unique_ptr<Command> command;
    CLI::App* parsed;
};

// What a run produced: text for standard output, or a message for standard error.
struct Outcome {
    int status = kExitSuccess;
    std::string output;
    std::string message;
};

bool looksLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument.front() == '-';
}

std::string subcommandNames(const CLI::App& app) {
    std::string names;
    const auto all = app.get_subcommands([](const CLI::App*) { return true; });
    for (std::size_t i = 0; i < all.size(); ++i) {
        names += (i == 0 ? "" : (i + 1 == all.size() ? " or " : ", ")) + all[i]->get_name();
    }
    return names;
}

// One message for a command line the parser refused, naming the offending argument.
std::string parseErrorMessage(CLI::App& app, const CLI::ParseError& error) {
    // The first argument nobody took, and the (sub)command it was given to.
    const CLI::App* where = &app;
    for (const CLI::App* chosen : app.get_subcommands()) {
        if (!chosen->remaining().empty()) {
            where = chosen;
        }
    }
    const std::vector<std::string> unused = where->remaining();
    const std::string scope =
        where == &app ? std::string(kProgram) : std::string(kProgram) + " " + where->get_name();
    const std::string seeHelp = " (see '" + scope + " --help')";

    if (!unused.empty()) {
        const std::string& first = unused.front();
        if (looksLikeOption(first)) {
            return "unknown option " + first + " for " + scope + seeHelp;
        }
        if (where == &app) {
            return "unknown subcommand \"" + first + "\"; choose " + subcommandNames(app);
        }
        return "unexpected argument \"" + first + "\" for " + scope + seeHelp;
    }
    if (app.get_subcommands().empty()) {
        return "a subcommand is required: " + subcommandNames(app) + seeHelp;
    }
    // A value missing or given twice: the parser's message starts with the option's name.
    const CLI::App* chosen = app.get_subcommands().front();
    const std::string what = error.what();
    for (const CLI::Option* option : chosen->get_options()) {
        const std::string name = option->get_name();
        if (what.rfind(name + ":", 0) != 0) {
            continue;
        }
        const std::string accepts = " (" + option->get_description() + ")";
        if (option->count() == 0) {
            return name + " needs a value" + accepts;
        }
        if (option->count() > 1) {
            return name + " may be given only once" + accepts;
        }
        // Given once with a value, then again with none.
        return name + " is given a second time without a value; give it once" + accepts;
    }
    return what + " (see '" + std::string(kProgram) + " " + chosen->get_name() + " --help')";
}

// The arguments after the program name, with "--name=" (an option and an empty text joined by
// "=") as the two arguments "--name" and "": the parser would read it as a missing value, where
// the user gave an empty one, as --mach "" does.
std::vector<std::string> argumentsOf(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.size() > 3 && argument.starts_with("--") && argument.ends_with("=") &&
            argument.find('=') == argument.size() - 1) {
            arguments.push_back(argument.substr(0, argument.size() - 1));
            arguments.emplace_back();
        } else {
            arguments.push_back(argument);
        }
    }
    return arguments;
}

Outcome parseAndRun(std::vector<std::string> arguments) {
    CLI::App app{kDescription, kProgram};
    app.footer(kFooter);
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(kProgram) + " " + KESTREL_VERSION);
    app.get_formatter()->column_width(28);

    // Every subcommand of the program, in the order of the help text.
    std::vector<AttachedCommand> commands;
    const auto attach = [&](std::unique_ptr<Command> command) {
        CLI::App* parsed = command->attach(app);
        commands.push_back({std::move(command), parsed});
    };
    attach(std::make_unique<TableCommand>());
    attach(std::make_unique<ProfileCommand>());
    attach(std::make_unique<MachCommand>());
    attach(std::make_unique<CoordsCommand>());
    attach(std::make_unique<RenderCommand>());
    attach(std::make_unique<FlowCommand>());
    attach(std::make_unique<TheoryCommand>());
    attach(std::make_unique<CompareCommand>());

    try {
        // The parser takes the arguments last first.
        std::reverse(arguments.begin(), arguments.end());
        app.parse(arguments);
        for (const AttachedCommand& entry : commands) {
            if (entry.parsed->parsed()) {
                return {kExitSuccess, entry.command->run(), {}};
            }
        }
        return {kExitUsage, {}, "a subcommand is required: " + subcommandNames(app)};
    } catch (const CLI::CallForHelp&) {
        return {kExitSuccess, app.help(), {}}; // the chosen subcommand's help, if any
    } catch (const CLI::CallForVersion& version) {
        return {kExitSuccess, std::string(version.what()) + "\n", {}};
    } catch (const CLI::ParseError& error) {
        return {kExitUsage, {}, parseErrorMessage(app, error)};
    } catch (const UsageError& error) {
        return {kExitUsage, {}, error.what()};
    } catch (const RunError& error) {
        return {kExitFailure, {}, error.what()};
    }
}

void reportError(std::FILE* err, std::string message) {
    // One line, whatever the message holds.
    for (char& c : message) {
        if (c == '\n') {
            c = ' ';
        }
    }
    const std::string line = std::string(kProgram) + ": " + message + "\n";
    std::fputs(line.c_str(), err);
    std::fflush(err);
}

} // namespace

int runCommandLine(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
    Outcome outcome;
    try {
        outcome = parseAndRun(argumentsOf(argc, argv));
        if (outcome.message.empty()) {
            writeOutput(out, outcome.output);
        }
    } catch (const RunError& error) {
        outcome = {kExitFailure, {}, error.what()};
    } catch (const std::exception& error) {
        outcome = {kExitFailure, {}, std::string("internal error: ") + error.what()};
    }
    if (!outcome.message.empty()) {
        reportError(err, outcome.message);
    }
    return outcome.status;
}

} // namespace kestrel::cli
