// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark: starts the program's start-up probe, the toolkit's
// floor window (a bare Qt window of the same size and caption) and the same
// window with a label in each of the program's three faces, in turn, several
// times each, and prints for each the time from process start to the end of
// the window's first paint and the peak resident memory of the process, their
// medians and the program's ratios to both floors. It prints figures only.
//
// Needs a display: run it under Xvfb, e.g. bench/run_startup_benchmark.sh.
//   mostaric_startup_benchmark [runs] [probe] [floor]
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/first_paint.h"

namespace {

// The steps the probes mark, in order.
const char* const kSteps[] = {"main",    "qapplication", "prepared", "constructed",
                              "started", "paint",        "painted"};

struct Run {
    bool ok = false;
    std::map<std::string, double> stepMs;   // since the fork, in milliseconds
    std::map<std::string, double> stepMiB;  // resident memory at the step
    double maxRssKiB = 0;
};

std::string directoryOfThisProgram()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    path[n] = '\0';
    std::string text(path);
    return text.substr(0, text.rfind('/'));
}

Run runOnce(const std::string& program, const char* argument = nullptr)
{
    Run run;
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        return run;
    }
    const long long start = mostaric::bench::monotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return run;
    }
    if (child == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        setenv("MOSTARIC_BENCH_FD", fd.c_str(), 1);
        execl(program.c_str(), program.c_str(), argument, static_cast<char*>(nullptr));
        std::perror(program.c_str());
        _exit(127);
    }
    close(fds[1]);

    std::string output;
    char buffer[1024];
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        const int ready = poll(&p, 1, 30000);
        if (ready == 0) {
            std::fprintf(stderr, "%s: no first paint within 30 s\n", program.c_str());
            kill(child, SIGKILL);
            break;
        }
        if (ready < 0 && errno == EINTR)
            continue;
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return run;
    }
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-union-access): glibc declares it in a union
    run.maxRssKiB = static_cast<double>(usage.ru_maxrss);  // KiB on Linux

    size_t begin = 0;
    while (begin < output.size()) {
        size_t end = output.find('\n', begin);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(begin, end - begin);
        const size_t space = line.find(' ');
        long long ns = 0;
        long kib = 0;
        if (space != std::string::npos
            && std::sscanf(line.c_str() + space + 1, "%lld %ld", &ns, &kib) == 2) {
            run.stepMs[line.substr(0, space)] = static_cast<double>(ns - start) / 1e6;
            run.stepMiB[line.substr(0, space)] = static_cast<double>(kib) / 1024.0;
        }
        begin = end + 1;
    }
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.stepMs.count("painted") == 1;
    if (!run.ok)
        std::fprintf(stderr, "%s: run failed (status %d)\n", program.c_str(), status);
    return run;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<Run> runs;

    double medianOf(const char* step,
                    std::map<std::string, double> Run::* figures = &Run::stepMs) const
    {
        std::vector<double> values;
        for (const Run& run : runs)
            if (run.ok && (run.*figures).count(step) == 1)
                values.push_back((run.*figures).at(step));
        return median(values);
    }
    double medianRssMiB() const
    {
        std::vector<double> values;
        for (const Run& run : runs)
            if (run.ok)
                values.push_back(run.maxRssKiB / 1024.0);
        return median(values);
    }
    int okRuns() const
    {
        return static_cast<int>(
            std::count_if(runs.begin(), runs.end(), [](const Run& r) { return r.ok; }));
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string dir = directoryOfThisProgram();
    const std::string probe = argc > 2 ? argv[2] : dir + "/mostaric_startup_probe";
    const std::string floor = argc > 3 ? argv[3] : dir + "/mostaric_floor_window";

    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to the first paint of a 547x544 window, %d runs each, interleaved\n",
                runs);
    std::printf("DISPLAY=%s QT_QPA_PLATFORM=%s\n", display != nullptr ? display : "(unset)",
                platform != nullptr ? platform : "(default)");

    // One unmeasured run of each, so that both find their libraries and fonts
    // in the page cache.
    runOnce(floor);
    runOnce(floor, "--text");
    runOnce(probe);

    Series floorSeries;
    Series textSeries;
    Series probeSeries;
    std::printf("%4s %10s %10s %10s %10s %12s %12s\n", "run", "floor ms", "floor MiB", "text ms",
                "text MiB", "mostaric ms", "mostaric MiB");
    for (int i = 0; i < runs; ++i) {
        // Rotate the order, so that none always follows the same other.
        Run f;
        Run t;
        Run p;
        switch (i % 3) {
        case 0:
            f = runOnce(floor);
            t = runOnce(floor, "--text");
            p = runOnce(probe);
            break;
        case 1:
            p = runOnce(probe);
            f = runOnce(floor);
            t = runOnce(floor, "--text");
            break;
        default:
            t = runOnce(floor, "--text");
            p = runOnce(probe);
            f = runOnce(floor);
            break;
        }
        floorSeries.runs.push_back(f);
        textSeries.runs.push_back(t);
        probeSeries.runs.push_back(p);
        std::printf("%4d %10.1f %10.1f %10.1f %10.1f %12.1f %12.1f\n", i + 1,
                    f.ok ? f.stepMs["painted"] : -1.0, f.maxRssKiB / 1024.0,
                    t.ok ? t.stepMs["painted"] : -1.0, t.maxRssKiB / 1024.0,
                    p.ok ? p.stepMs["painted"] : -1.0, p.maxRssKiB / 1024.0);
    }
    if (floorSeries.okRuns() == 0 || textSeries.okRuns() == 0 || probeSeries.okRuns() == 0) {
        std::fprintf(stderr, "no successful run to report\n");
        return 1;
    }

    std::printf("\nmedians at each step (ms since fork, resident MiB), %d/%d/%d good runs:\n",
                floorSeries.okRuns(), textSeries.okRuns(), probeSeries.okRuns());
    std::printf("  %-13s %9s %9s %11s %9s %9s %11s\n", "step", "floor ms", "text ms", "mostaric ms",
                "floor MiB", "text MiB", "mostaric MiB");
    for (const char* step : kSteps)
        std::printf("  %-13s %9.1f %9.1f %11.1f %9.1f %9.1f %11.1f\n", step,
                    floorSeries.medianOf(step), textSeries.medianOf(step),
                    probeSeries.medianOf(step), floorSeries.medianOf(step, &Run::stepMiB),
                    textSeries.medianOf(step, &Run::stepMiB),
                    probeSeries.medianOf(step, &Run::stepMiB));

    const double floorMs = floorSeries.medianOf("painted");
    const double textMs = textSeries.medianOf("painted");
    const double probeMs = probeSeries.medianOf("painted");
    const double floorMiB = floorSeries.medianRssMiB();
    const double textMiB = textSeries.medianRssMiB();
    const double probeMiB = probeSeries.medianRssMiB();
    std::printf("\n%-20s %8s %8s %9s %14s %13s\n", "median", "floor", "text", "mostaric",
                "ratio to floor", "ratio to text");
    std::printf("%-20s %8.1f %8.1f %9.1f %14.2f %13.2f\n", "to first paint (ms)", floorMs, textMs,
                probeMs, probeMs / floorMs, probeMs / textMs);
    std::printf("%-20s %8.1f %8.1f %9.1f %14.2f %13.2f\n", "peak resident (MiB)", floorMiB, textMiB,
                probeMiB, probeMiB / floorMiB, probeMiB / textMiB);
    std::printf("goal: ratio to floor at most 1.25 (floor: bare window; text: bare window with\n"
                "one label in each of the program's three faces)\n");
    return 0;
}
