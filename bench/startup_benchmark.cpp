// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark: starts the program's start-up probe and its three
// floors (the toolkit's bare window of the same size and caption, that
// window with a label in each of the program's three faces, and the main
// window's form alone), in turn, several times each, and prints for each the
// time from process start to the end of the window's first paint and the
// peak resident memory of the process, their medians and the program's
// ratios to each floor. It prints figures only.
//
// Needs a display: run it under Xvfb, e.g. bench/run_startup_benchmark.sh.
//   mostaric_startup_benchmark [runs]
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
    const char* name;
    std::string program;
    const char* argument;
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
    // The program last: the ratios are its figures over each floor's.
    std::vector<Series> all = {
        {"floor", dir + "/mostaric_floor_window", nullptr, {}},
        {"text", dir + "/mostaric_floor_window", "--text", {}},
        {"form", dir + "/mostaric_form_floor", nullptr, {}},
        {"mostaric", dir + "/mostaric_startup_probe", nullptr, {}},
    };
    const Series& program = all.back();

    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to the first paint of a 547x544 window, %d runs each, interleaved\n",
                runs);
    std::printf("DISPLAY=%s QT_QPA_PLATFORM=%s\n", display != nullptr ? display : "(unset)",
                platform != nullptr ? platform : "(default)");

    // One unmeasured run of each, so that all find their libraries and fonts
    // in the page cache.
    for (const Series& series : all)
        runOnce(series.program, series.argument);

    std::printf("%4s", "run");
    for (const Series& series : all)
        std::printf(" %9s ms %8s MiB", series.name, series.name);
    std::printf("\n");
    for (int i = 0; i < runs; ++i) {
        // Rotate the order, so that none always follows the same other.
        const size_t count = all.size();
        for (size_t k = 0; k < count; ++k) {
            Series& series = all[(k + static_cast<size_t>(i)) % count];
            series.runs.push_back(runOnce(series.program, series.argument));
        }
        std::printf("%4d", i + 1);
        for (Series& series : all) {
            Run& run = series.runs.back();
            std::printf(" %12.1f %12.1f", run.ok ? run.stepMs["painted"] : -1.0,
                        run.maxRssKiB / 1024.0);
        }
        std::printf("\n");
    }
    for (const Series& series : all) {
        if (series.okRuns() == 0) {
            std::fprintf(stderr, "%s: no successful run to report\n", series.name);
            return 1;
        }
    }

    std::printf("\nmedians at each step, ms since fork (resident MiB):\n  %-13s", "step");
    for (const Series& series : all)
        std::printf(" %17s", series.name);
    std::printf("\n");
    for (const char* step : kSteps) {
        std::printf("  %-13s", step);
        for (const Series& series : all)
            std::printf(" %8.1f (%6.1f)", series.medianOf(step),
                        series.medianOf(step, &Run::stepMiB));
        std::printf("\n");
    }

    std::printf("\n%-20s", "median");
    for (const Series& series : all)
        std::printf(" %9s", series.name);
    for (size_t k = 0; k + 1 < all.size(); ++k)
        std::printf("  to %-5s", all[k].name);
    std::printf("\n");
    const auto row = [&](const char* label, const auto& figure) {
        std::printf("%-20s", label);
        for (const Series& series : all)
            std::printf(" %9.1f", figure(series));
        for (size_t k = 0; k + 1 < all.size(); ++k)
            std::printf("  %8.2f", figure(program) / figure(all[k]));
        std::printf("\n");
    };
    row("to first paint (ms)", [](const Series& s) { return s.medianOf("painted"); });
    row("peak resident (MiB)", [](const Series& s) { return s.medianRssMiB(); });
    std::printf("goal: at most 1.25 times the bare window and 1.05 times the form (floor: bare\n"
                "window; text: bare window with one label in each of the program's three faces;\n"
                "form: the main window's form alone, in the program's faces)\n");
    return 0;
}
