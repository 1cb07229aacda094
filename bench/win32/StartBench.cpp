// Start-up of bitloom.exe against a bare window, all started the same way,
// in turn, from this program: the time from CreateProcess to the first
// moment the new process waits for input with nothing left to do (its first
// frame painted: Windows sends paint messages before it counts a thread
// idle), its processor time and its peak working set then. Under Wine, as in
// `make bench`. Usage: start-bench.exe [runs], 15 by default, after 2 warm-up
// rounds; the programs are found beside it.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int warmUps = 2;
constexpr double startGoal = 1.3;
constexpr double memoryGoal = 1.2;

struct StartRun {
    double frameMs;
    double cpuMs;
    double peakMiB;
};

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double fileTimeMs(FILETIME time)
{
    return double((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
}

BOOL CALLBACK closeWindow(HWND window, LPARAM)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

bool startOnce(const std::wstring &program, StartRun &run)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER spawn;
    QueryPerformanceCounter(&spawn);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fwprintf(stderr, L"start-bench: cannot start %ls (error %lu)\n", program.c_str(),
                      GetLastError());
        return false;
    }
    const DWORD idle = WaitForInputIdle(process.hProcess, 30000);
    LARGE_INTEGER frame;
    QueryPerformanceCounter(&frame);
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    run = {milliseconds(spawn, frame), fileTimeMs(kernel) + fileTimeMs(user),
           double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0)};

    // Its close box ends either program without a question.
    EnumThreadWindows(process.dwThreadId, closeWindow, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (idle != 0) {
        std::fwprintf(stderr, L"start-bench: %ls never waited for input\n", program.c_str());
        return false;
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return (values[(values.size() - 1) / 2] + values[values.size() / 2]) / 2;
}

std::string spread(const std::vector<double> &values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    char text[64];
    std::snprintf(text, sizeof text, "%.1f [%.1f-%.1f]", median(values), *low, *high);
    return text;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    const int runs = std::max(1, argc > 1 ? _wtoi(argv[1]) : 15);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    // The program, the floor, and the floor with the program's manifest: a
    // Windows program that asks for common controls 6 has Windows load them
    // before its first window.
    const std::array<std::wstring, 3> programs{folder + L"bitloom.exe", folder + L"bare-window.exe",
                                               folder + L"bare-window-manifest.exe"};

    // A window of its own keeps the Wine desktop up between the programs, as
    // the desktop of a Windows session is: each would otherwise start one.
    const HWND keeper = CreateWindowExW(0, L"STATIC", L"start-bench", WS_POPUP, 0, 0, 1, 1, nullptr,
                                        nullptr, nullptr, nullptr);

    // Each round starts with the next program, so that each holds every place
    // in the order equally often.
    std::array<std::vector<StartRun>, 3> results;
    for (int round = 0; round < warmUps + runs; ++round) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t which = (std::size_t(round) + turn) % programs.size();
            StartRun run{};
            if (!startOnce(programs[which], run))
                return 1;
            if (round >= warmUps)
                results[which].push_back(run);
        }
    }

    struct Row {
        const char *label;
        double StartRun::*field;
        double goal;
    };
    const std::array<Row, 3> rows{
        {{"Start -> first frame, wall (ms)", &StartRun::frameMs, startGoal},
         {"Processor time, user+sys (ms)", &StartRun::cpuMs, 0},
         {"Peak working set (MiB)", &StartRun::peakMiB, memoryGoal}}};
    std::printf("Windows start-up under Wine: %d runs of each program in rotating order, after %d "
                "warm-up rounds.\nCells: median [min-max]; / bare, / manifest: median of each "
                "round's ratio.\n",
                runs, warmUps);
    std::printf("%-32s %-21s %-21s %-21s %-7s %-10s %s\n", "Measure", "bitloom.exe", "bare window",
                "bare + manifest", "/ bare", "/ manifest", "Goal");
    for (const Row &row : rows) {
        std::array<std::vector<double>, 3> values;
        std::array<std::vector<double>, 2> ratios;
        for (std::size_t i = 0; i < results[0].size(); ++i) {
            for (std::size_t program = 0; program < programs.size(); ++program)
                values[program].push_back(results[program][i].*row.field);
            ratios[0].push_back(values[0].back() / values[1].back());
            ratios[1].push_back(values[0].back() / values[2].back());
        }
        char goal[48] = "";
        if (row.goal > 0) {
            std::snprintf(goal, sizeof goal, "<= %.1fx bare: %s", row.goal,
                          median(ratios[0]) <= row.goal ? "met" : "MISSED");
        }
        std::printf("%-32s %-21s %-21s %-21s %-7.2f %-10.2f %s\n", row.label,
                    spread(values[0]).c_str(), spread(values[1]).c_str(), spread(values[2]).c_str(),
                    median(ratios[0]), median(ratios[1]), goal);
    }
    DestroyWindow(keeper);
    return 0;
}
