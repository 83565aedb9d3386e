// SPDX-License-Identifier: MIT
// kestrel_bench_startup [RUNS]: measures how long Kestrel takes from main entry to a shown main
// window (QApplication, the window with its table, shown and painted) and how much memory the
// process has used at its peak, on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// Every start-up is measured in a fresh process: a second start-up inside the same process
// would find the platform plugin, fonts and shared libraries already loaded and its memory
// peak already reached, and would measure a start-up no user ever sees. So this program starts
// itself RUNS times (10 by default) as a child that measures one start-up and reports it, and
// prints each run and the median, mean, minimum and maximum. It prints figures only: it
// judges nothing and exits 0 whenever every run reported.
#include "ui/form1.h"
#include "ui/picture_box.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numeric>
#include <optional>
#include <set>
#include <spawn.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kChildVariable = "KESTREL_BENCH_STARTUP_CHILD";
// Starts the child's line of figures; every other line the child writes is a message.
constexpr std::string_view kResultTag = "startup-figures ";
constexpr int kDefaultRuns = 10;
constexpr int kMaxRuns = 1000;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Peak resident set size of this process so far, in KiB (Linux reports ru_maxrss in KiB).
long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// What one child measures.
struct Run {
    double startup = 0;      // main entry to the shown, painted window, ms
    double application = 0;  // of which: constructing QApplication
    double window = 0;       // of which: constructing the window, the table load included
    double show = 0;         // of which: showing it until it is exposed and painted
    long peakAtShown = 0;    // KiB
    long peakAfterChain = 0; // KiB, after one full chain at 101 points has been drawn
};

// Counts the paint events of the five surfaces: the window counts as shown once each of them
// has been painted, which is what the user sees.
class PaintWatcher : public QObject {
public:
    std::array<bool, 5> painted{};
    std::array<QObject*, 5> watched{};

    bool all() const {
        return std::all_of(painted.begin(), painted.end(), [](bool p) { return p; });
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (std::size_t i = 0; i < watched.size(); ++i) {
                if (watched[i] == object) {
                    painted[i] = true;
                }
            }
        }
        return QObject::eventFilter(object, event);
    }
};

// One start-up, measured from main entry; prints one line of figures for the parent.
int child(Clock::time_point entry, int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Run run;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    run.application = millisecondsSince(entry);

    const Clock::time_point windowStart = Clock::now();
    kestrel::Form1 form;
    run.window = millisecondsSince(windowStart);

    PaintWatcher watcher;
    const char* names[] = {"daire", "profil", "pressure", "Picture_CL", "Picture_CM"};
    for (std::size_t i = 0; i < watcher.watched.size(); ++i) {
        auto* surface = form.findChild<kestrel::PictureBox*>(QString::fromUtf8(names[i]));
        if (!surface) {
            std::fprintf(stderr, "kestrel_bench_startup: no surface %s\n", names[i]);
            return 1;
        }
        watcher.watched[i] = surface;
        surface->installEventFilter(&watcher);
    }

    const Clock::time_point showStart = Clock::now();
    form.show();
    const QDeadlineTimer deadline(10000);
    while (!(form.windowHandle() && form.windowHandle()->isExposed() && watcher.all())) {
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "kestrel_bench_startup: the window was not shown in 10 s\n");
            return 1;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    run.show = millisecondsSince(showStart);
    run.startup = millisecondsSince(entry);
    run.peakAtShown = peakKiB();

    // The memory a working window needs: the largest point count, a cambered profile at an
    // angle, Mach 0.3 (compressible curves drawn too), then the window repainted.
    form.findChild<QLineEdit*>(QStringLiteral("Text_Moo"))->setText(QStringLiteral("0.3"));
    const std::pair<const char*, int> positions[] = {{"HScroll_nP", 101},
                                                     {"HScroll_Camber", 4},
                                                     {"HScroll_AlfaD", 5},
                                                     {"HScroll_xM", 25},
                                                     {"HScroll_Thickness", 12}};
    for (const auto& [name, value] : positions) {
        form.findChild<QScrollBar*>(QString::fromUtf8(name))->setValue(value);
    }
    QApplication::processEvents();
    run.peakAfterChain = peakKiB();

    std::printf("%s%.3f %.3f %.3f %.3f %ld %ld\n", kResultTag.data(), run.startup, run.application,
                run.window, run.show, run.peakAtShown, run.peakAfterChain);
    return 0;
}

// Starts this program again as a child and reads its one line of figures. The child's other
// output (Qt's messages, which every run repeats) is passed on once per distinct line, and all
// of it when the run fails.
std::optional<Run> spawnRun(std::set<std::string>& messagesShown) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("kestrel_bench_startup: pipe");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        variables.emplace_back(*v);
    }
    variables.emplace_back(std::string(kChildVariable) + "=1");
    std::vector<char*> envp;
    for (std::string& v : variables) {
        envp.push_back(v.data());
    }
    envp.push_back(nullptr);
    std::string program = "/proc/self/exe";
    std::string name = "kestrel_bench_startup";
    char* childArgv[] = {name.data(), nullptr};

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, childArgv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "kestrel_bench_startup: cannot start a run: %s\n",
                     std::strerror(spawned));
        close(pipeEnds[0]);
        return std::nullopt;
    }

    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }

    Run run;
    int figures = 0;
    std::vector<std::string> messages;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(kResultTag)) {
            figures = std::sscanf(line.c_str() + kResultTag.size(), "%lf %lf %lf %lf %ld %ld",
                                  &run.startup, &run.application, &run.window, &run.show,
                                  &run.peakAtShown, &run.peakAfterChain);
        } else {
            messages.push_back(line);
        }
    }
    const bool failed = !WIFEXITED(status) || WEXITSTATUS(status) != 0 || figures != 6;
    for (const std::string& message : messages) {
        if (failed || messagesShown.insert(message).second) {
            std::fprintf(stderr, "%s\n", message.c_str());
        }
    }
    if (failed) {
        if (WIFSIGNALED(status)) {
            std::fprintf(stderr, "kestrel_bench_startup: a run ended on signal %d\n",
                         WTERMSIG(status));
        } else {
            std::fprintf(stderr, "kestrel_bench_startup: a run failed (exit status %d)\n",
                         WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        }
        return std::nullopt;
    }
    return run;
}

struct Summary {
    double median, mean, min, max;
};

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(n);
    return {median, mean, values.front(), values.back()};
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return file ? one + " " + five + " " + fifteen : "unknown";
}

// Megabytes of 10^6 bytes, the unit of the memory goal.
double megabytes(long kib) {
    return static_cast<double>(kib) * 1024.0 / 1e6;
}

int parent(int argc, char* argv[]) {
    int runs = kDefaultRuns;
    if (argc > 2 ||
        (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0))) {
        std::printf("usage: kestrel_bench_startup [RUNS]\n"
                    "Starts Kestrel's main window RUNS times (1 to %d, default %d), each in a "
                    "fresh process,\nand prints the time from main entry to the shown window "
                    "and the peak memory.\n",
                    kMaxRuns, kDefaultRuns);
        return argc > 2 ? 2 : 0;
    }
    if (argc == 2) {
        const char* end = argv[1] + std::strlen(argv[1]);
        const auto [rest, error] = std::from_chars(argv[1], end, runs);
        if (error != std::errc() || rest != end || runs < 1 || runs > kMaxRuns) {
            std::fprintf(stderr,
                         "kestrel_bench_startup: RUNS must be a whole number from 1 to %d\n",
                         kMaxRuns);
            return 2;
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Kestrel start-up, %d fresh processes, platform %s\n", runs,
                platform && *platform ? platform : "offscreen");
    std::printf("load average before: %s\n", loadAverage().c_str());
    std::fflush(stdout);
    std::printf("%4s %11s %15s %10s %8s %13s %20s\n", "run", "startup_ms", "QApplication_ms",
                "window_ms", "show_ms", "peak_MB", "peak_after_chain_MB");
    std::vector<Run> results;
    std::set<std::string> messagesShown;
    for (int i = 1; i <= runs; ++i) {
        const std::optional<Run> run = spawnRun(messagesShown);
        if (!run) {
            return 1;
        }
        std::printf("%4d %11.1f %15.1f %10.1f %8.1f %13.1f %20.1f\n", i, run->startup,
                    run->application, run->window, run->show, megabytes(run->peakAtShown),
                    megabytes(run->peakAfterChain));
        std::fflush(stdout);
        results.push_back(*run);
    }
    std::printf("load average after: %s\n", loadAverage().c_str());

    const auto column = [&](auto member) {
        std::vector<double> values;
        for (const Run& r : results) {
            values.push_back(static_cast<double>(r.*member));
        }
        return summarise(values);
    };
    const Summary startup = column(&Run::startup);
    const Summary application = column(&Run::application);
    const Summary window = column(&Run::window);
    const Summary show = column(&Run::show);
    const Summary peak = column(&Run::peakAtShown);
    const Summary peakAfter = column(&Run::peakAfterChain);
    std::printf("\nstart-up, main entry to shown window (goal under 300 ms):\n"
                "  median %.1f ms, mean %.1f ms, min %.1f ms, max %.1f ms\n",
                startup.median, startup.mean, startup.min, startup.max);
    std::printf("  of which (medians): QApplication %.1f ms, window with table %.1f ms, "
                "show and first paint %.1f ms\n",
                application.median, window.median, show.median);
    std::printf("peak memory, ru_maxrss (goal under 80 MB):\n"
                "  at shown window: median %.1f MB, max %.1f MB\n"
                "  after a full chain at 101 points: median %.1f MB, max %.1f MB\n",
                megabytes(static_cast<long>(peak.median)), megabytes(static_cast<long>(peak.max)),
                megabytes(static_cast<long>(peakAfter.median)),
                megabytes(static_cast<long>(peakAfter.max)));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const Clock::time_point entry = Clock::now();
    if (std::getenv(kChildVariable)) {
        return child(entry, argc, argv);
    }
    return parent(argc, argv);
}
