// Runs the start probes of the program, of a bare Qt window and of the bare
// window with one label in rotating order, then the in-process probe, and
// prints one table. It needs an X display: `make bench` runs it under
// xvfb-run. Usage: bitloom-bench [runs], 15 by default, after 2 warm-up rounds.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Start-up and memory of the program within this factor of the bare window's;
// a flag click, up to its output text, within this many microseconds.
constexpr double startGoal = 1.15;
constexpr double memoryGoal = 1.15;
constexpr double clickGoalMicroseconds = 1000;
constexpr int warmUps = 2;
constexpr int inProcessRuns = 31;

// A row of start-up figures: the value of "to", less that of "from" if any,
// compared with the floors if asked. Without "to", a section title.
struct StartRow {
    QStringView label;
    QStringView from{};
    QStringView to{};
    bool compared = false;
    double goal = 0;
};

constexpr std::array startRows{
    StartRow{u"Start-up: new process, 313x297 client area, title \"Bitloom\""},
    StartRow{u"Start → first frame, wall (ms)", u"spawn", u"frame", true, startGoal},
    // Where each probe spends it. Fonts load where text is first measured: in
    // the program's constructor, in the label window's show().
    StartRow{u"  spawn → main(): load, link", u"spawn", u"main"},
    StartRow{u"  QApplication constructed", u"main", u"application"},
    StartRow{u"  window constructed", u"application", u"window"},
    StartRow{u"  show()", u"window", u"show"},
    StartRow{u"  event loop → frame flushed", u"show", u"frame"},
    // Less disturbed than wall time by other work on the machine.
    StartRow{u"Processor time, user+sys (ms)", {}, u"cpu", true},
    StartRow{u"Memory: the start probe's ru_maxrss at its first frame"},
    StartRow{u"Peak resident memory (MiB)", {}, u"rss", true, memoryGoal},
};

// What a start probe reported: the monotonic time in milliseconds at which it
// reached each stage ("spawn" is the driver's, just before the start), "cpu"
// in milliseconds and "rss" in MiB.
using StartRun = QHash<QString, double>;
using Lines = std::vector<QStringList>; // a section title is a line of one cell

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return (values[(values.size() - 1) / 2] + values[values.size() / 2]) / 2;
}

// Three significant digits, or whole numbers: finer is noise.
QString number(double value)
{
    return QString::number(value, 'f', std::abs(value) < 10 ? 2 : std::abs(value) < 100 ? 1 : 0);
}

// "median [minimum–maximum]"
QString spread(const std::vector<double> &values)
{
    const auto [minimum, maximum] = std::minmax_element(values.begin(), values.end());
    return number(median(values)) % u" [" % number(*minimum) % u'–' % number(*maximum) % u']';
}

QString verdict(bool met)
{
    return met ? u"met"_s : u"MISSED"_s;
}

bool run(QProcess &process, const QStringList &command, int timeoutSeconds = 30)
{
    process.start(command.front(), command.mid(1));
    const bool ended = process.waitForFinished(timeoutSeconds * 1000);
    if (ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    const QString how = ended ? u"ended with %1"_s.arg(process.exitCode()) : process.errorString();
    std::fprintf(stderr, "bitloom-bench: %s: %s\n%s", qPrintable(command.join(u' ')),
                 qPrintable(how), process.readAllStandardError().constData());
    return false;
}

// A start probe reports "name=value" fields, space-separated.
std::optional<StartRun> runStartProbe(QProcess &process, const QStringList &command)
{
    const std::chrono::duration<double, std::milli> spawn
        = std::chrono::steady_clock::now().time_since_epoch();
    if (!run(process, command))
        return std::nullopt;
    StartRun report{{u"spawn"_s, spawn.count()}};
    for (const QString &field : QString::fromUtf8(process.readAllStandardOutput()).split(u' ')) {
        if (const qsizetype equals = field.indexOf(u'='); equals > 0)
            report.insert(field.left(equals), field.mid(equals + 1).toDouble());
    }
    return report;
}

// The program against both floors, round by round: each round ran all three.
QStringList startLine(const StartRow &row, const std::array<std::vector<StartRun>, 3> &runs)
{
    std::array<std::vector<double>, 3> values;
    QStringList line{row.label.toString()};
    for (std::size_t probe = 0; probe < runs.size(); ++probe) {
        for (const StartRun &report : runs[probe])
            values[probe].push_back(report.value(row.to.toString())
                                    - report.value(row.from.toString()));
        line << spread(values[probe]);
    }
    if (!row.compared)
        return line;
    std::vector<double> toBare;
    std::vector<double> toLabel;
    for (std::size_t round = 0; round < values[0].size(); ++round) {
        toBare.push_back(values[0][round] / values[1][round]);
        toLabel.push_back(values[0][round] / values[2][round]);
    }
    const QString goal = u"≤ %1×: %2"_s.arg(number(row.goal), verdict(median(toBare) <= row.goal));
    return line << spread(toBare) << number(median(toLabel)) << (row.goal > 0 ? goal : QString());
}

// Qt Test's CSV: "function","data tag","metric",milliseconds per iteration,total,iterations.
void addInProcessLines(Lines &lines, const QString &csv)
{
    const QString title = u"In process, µs, median of %1 runs; clicks: the mean of each run's "
                          "QBENCHMARK iterations; frame = repainted and flushed; clicks and "
                          "resets in wide view"_s;
    lines.push_back({title.arg(inProcessRuns)});
    static const QRegularExpression result(
        uR"re(^"\w+","(.+)","WalltimeMilliseconds",([^,]+),)re"_s,
        QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : result.globalMatch(csv)) {
        const double microseconds = match.captured(2).toDouble() * 1000;
        lines.push_back({u"  "_s + match.captured(1), number(microseconds)});
        const QString goal = u"< %1 µs: %2"_s.arg(number(clickGoalMicroseconds),
                                                  verdict(microseconds < clickGoalMicroseconds));
        if (match.captured(1).startsWith(u"Click → output"))
            lines.back() << QStringList(4) << goal;
    }
}

// Padded columns, counted in UTF-16 units: each character used here is one.
QString tableText(const Lines &lines)
{
    std::vector<qsizetype> widths(lines.front().size());
    for (const QStringList &line : lines) {
        for (qsizetype column = 0; line.size() > 1 && column < line.size(); ++column)
            widths[column] = std::max(widths[column], line[column].size());
    }
    const qsizetype total = std::accumulate(widths.begin(), widths.end(), qsizetype(0));
    const QString rule = QString(total + 2 * (widths.size() - 1), u'-') + u'\n';
    QString text = rule;
    for (const QStringList &line : lines) {
        for (qsizetype column = 0; column + 1 < line.size(); ++column)
            text += line[column].leftJustified(widths[column]) + u"  ";
        text += line.back();
        while (text.endsWith(u' ')) // after an empty last cell
            text.chop(1);
        text += u'\n' + (&line == &lines.front() ? rule : QString());
    }
    return text + rule;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 15);
    // The probes on X as a desktop session would run them, with a runtime
    // folder of their own and no session manager.
    const QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("SESSION_MANAGER");
    QProcess process;

    const QString here = QCoreApplication::applicationDirPath() + u'/';
    const std::array<QStringList, 3> probes{{{here + u"startprobe-bitloom"_s},
                                             {here + u"startprobe-plain"_s},
                                             {here + u"startprobe-plain"_s, u"label"_s}}};
    std::array<std::vector<StartRun>, 3> startRuns;
    // Each round starts with the next probe, so that every probe holds every
    // place in the order equally often.
    for (int round = 0; round < warmUps + runs; ++round) {
        for (std::size_t turn = 0; turn < probes.size(); ++turn) {
            const std::size_t probe = (std::size_t(round) + turn) % probes.size();
            const std::optional<StartRun> report = runStartProbe(process, probes[probe]);
            if (!report)
                return 1;
            if (round >= warmUps)
                startRuns[probe].push_back(*report);
        }
    }
    if (!run(process,
             {here + u"inproc-bitloom"_s, u"-median"_s, QString::number(inProcessRuns), u"-o"_s,
              u"-,csv"_s, u"-o"_s, u"/dev/stderr,txt"_s},
             600))
        return 1;

    Lines lines{{u"Measure"_s, u"Bitloom"_s, u"Bare window"_s, u"Bare + label"_s, u"÷ bare"_s,
                 u"÷ label"_s, u"Goal"_s}};
    for (const StartRow &row : startRows)
        lines.push_back(row.to.isEmpty() ? QStringList{row.label.toString()}
                                         : startLine(row, startRuns));
    addInProcessLines(lines, QString::fromUtf8(process.readAllStandardOutput()));
    std::printf("Bitloom benchmark: %s build, GCC %s, Qt %s, xcb on X display %s.\n"
                "Start-up: %d runs of each probe in rotating order after %d warm-up rounds.\n"
                "Cells: median [min–max]; ÷ bare and ÷ label: of the ratios within each round.\n%s",
                BITLOOM_BENCH_BUILD_TYPE, __VERSION__, qVersion(), qgetenv("DISPLAY").constData(),
                runs, warmUps, qPrintable(tableText(lines)));
    return 0;
}
