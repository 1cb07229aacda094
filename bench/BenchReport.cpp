#include "BenchReport.h"

#include "Summary.h"

#include <array>
#include <cstdio>
#include <functional>
#include <sstream>

namespace bitloom::bench {

namespace {

using Quantity = std::function<double(const ProbeRun &)>;

std::string fixed(double value, int decimals)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

// Whole numbers from 10 up: the noise between runs is larger than a tenth.
std::string rounded(double value)
{
    return fixed(value, value >= 10 || value <= -10 ? 0 : 1);
}

std::string medianAndRange(const Summary &s, int decimals = -1)
{
    const auto format = [decimals](double value) {
        return decimals < 0 ? rounded(value) : fixed(value, decimals);
    };
    return format(s.median) + " [" + format(s.minimum) + "–" + format(s.maximum) + "]";
}

std::string medianAndQuartiles(const Summary &s)
{
    return rounded(s.median) + " [" + rounded(s.lowerQuartile) + "–" + rounded(s.upperQuartile)
           + "]";
}

std::string verdict(const std::string &goal, bool met)
{
    return goal + ": " + (met ? "met" : "MISSED");
}

std::vector<double> samplesOf(const std::vector<ProbeRun> &runs, const Quantity &quantity)
{
    std::vector<double> samples;
    for (const ProbeRun &run : runs)
        samples.push_back(quantity(run));
    return samples;
}

// Milliseconds between two stages; a probe without "initialize" is timed
// from "application" instead.
Quantity stageMilliseconds(const std::string &from, const std::string &to)
{
    return [from, to](const ProbeRun &run) {
        const std::string start
            = from == "initialize" && !run.stages.count(from) ? "application" : from;
        return static_cast<double>(run.between(start, to)) / 1e6;
    };
}

// The program against both floors: the ratio to the bare window with the
// spread of the per-run ratios, then the ratio to the window with a label.
void addComparedRow(ResultTable &table, const std::string &label, const StartupRuns &startup,
                    const Quantity &quantity, double goal, int decimals = -1)
{
    const std::vector<double> bitloom = samplesOf(startup.bitloom, quantity);
    const std::vector<double> bare = samplesOf(startup.bare, quantity);
    const Summary b = summarize(bitloom);
    const Summary f = summarize(bare);
    const Summary l = summarize(samplesOf(startup.label, quantity));
    std::vector<double> pairRatios;
    for (std::size_t i = 0; i < bitloom.size() && i < bare.size(); ++i)
        pairRatios.push_back(bitloom[i] / bare[i]);
    const Summary pairs = summarize(pairRatios);
    const double ratio = b.median / f.median;
    table.addRow(
        {label, medianAndRange(b, decimals), medianAndRange(f, decimals),
         medianAndRange(l, decimals),
         fixed(ratio, 2) + " [" + fixed(pairs.minimum, 2) + "–" + fixed(pairs.maximum, 2) + "]",
         fixed(b.median / l.median, 2),
         goal > 0 ? verdict("≤ " + fixed(goal, 2) + "×", ratio <= goal) : ""});
}

void addStartRows(ResultTable &table, const StartupRuns &startup)
{
    addComparedRow(table, "Start → first frame, wall (ms)", startup,
                   stageMilliseconds("spawn", "frame"), startGoal);

    // Where each probe spends it. Fonts load where text is first measured: in
    // the program's constructor, in the labelled window's show().
    struct Stage {
        const char *label;
        const char *from;
        const char *to;
    };
    const std::array<Stage, 6> stages{{
        {"  spawn → main(): load, link", "spawn", "main"},
        {"  QApplication constructed", "main", "application"},
        {"  initializeProgram()", "application", "initialize"},
        {"  window constructed", "initialize", "window"},
        {"  show()", "window", "show"},
        {"  event loop → frame flushed", "show", "frame"},
    }};
    for (const Stage &stage : stages) {
        const Quantity quantity = stageMilliseconds(stage.from, stage.to);
        const auto cell = [&](const std::vector<ProbeRun> &runs) {
            const bool timed = !runs.empty() && runs.front().stages.count(stage.to);
            return timed ? medianAndRange(summarize(samplesOf(runs, quantity))) : "—";
        };
        table.addRow({stage.label, cell(startup.bitloom), cell(startup.bare), cell(startup.label)});
    }

    // Less disturbed than wall time by other work on the machine.
    addComparedRow(
        table, "Processor time, user+sys (ms)", startup,
        [](const ProbeRun &run) { return static_cast<double>(run.processorMicroseconds) / 1000.0; },
        0);
}

// "@row" reports: label, count, median, quartiles, minimum, maximum.
void addInProcessRows(ResultTable &table, const ProbeRun &run)
{
    for (const std::string &report : run.reports) {
        std::istringstream fields(report);
        std::string kind;
        std::string label;
        if (!std::getline(fields, kind, '\t') || kind != "row"
            || !std::getline(fields, label, '\t'))
            continue;
        Summary s;
        fields >> s.count >> s.median >> s.lowerQuartile >> s.upperQuartile >> s.minimum
            >> s.maximum;
        const bool isClickToText = label.rfind("Click → output", 0) == 0;
        table.addRow({"  " + label + " (n=" + std::to_string(s.count) + ")", medianAndQuartiles(s),
                      "", "", "", "",
                      isClickToText ? verdict("< " + fixed(clickGoalMicroseconds, 0) + " µs",
                                              s.median < clickGoalMicroseconds)
                                    : ""});
    }
}

} // namespace

ResultTable benchTable(const StartupRuns &startup, const ProbeRun &inProcess)
{
    ResultTable table(
        {"Measure", "Bitloom", "Bare window", "Bare + label", "÷ bare", "÷ label", "Goal"});
    table.addSection("Start-up: new process, 313x297 client area, title \"Bitloom\"");
    addStartRows(table, startup);
    table.addSection("Memory: ru_maxrss of the start probe, from wait4()");
    addComparedRow(
        table, "Peak resident memory (MiB)", startup,
        [](const ProbeRun &run) { return static_cast<double>(run.peakResidentKiB) / 1024.0; },
        memoryGoal, 1);
    table.addSection("In process, µs, median [interquartile range]; frame = repainted and flushed; "
                     "clicks and resets in wide view");
    addInProcessRows(table, inProcess);
    return table;
}

std::string qtDescription(const ProbeRun &inProcess)
{
    for (const std::string &report : inProcess.reports) {
        std::istringstream fields(report);
        std::string kind;
        std::string version;
        std::string platform;
        if (std::getline(fields, kind, '\t') && kind == "info"
            && std::getline(fields, version, '\t') && std::getline(fields, platform, '\t'))
            return "Qt " + version + ", platform " + platform;
    }
    return "Qt (version not reported)";
}

} // namespace bitloom::bench
