// Each job is planned in a child process of its own, so that the peak memory the system reports
// for the child is that solve's alone.
#include "bench/CutStockLargeJobs.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cutplan/CutJob.h"
#include "cutplan/CutPlan.h"
#include "cutplan/CutSolver.h"

namespace {

// In the child: plans the job and prints its line (without the memory, which the parent adds).
[[noreturn]] void PlanInChild(const std::filesystem::path& file, double seconds) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    mw::CutJob job;
    std::string error;
    if (!mw::ParseCutJob(text.str(), job, error)) {
        std::printf("%-18s unreadable: %s", file.filename().string().c_str(), error.c_str());
        std::fflush(stdout);
        std::_Exit(1);
    }
    mw::PackControl control;
    control.seconds = seconds;
    const auto start = std::chrono::steady_clock::now();
    const mw::CutPlan plan = mw::SolveCutJob(job, control);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (plan.found)
        std::printf("%-18s budget %4.1f s: %7lld bars, bound %7.0f, %s, %6.2f s (%+.2f s against the budget)",
                    file.filename().string().c_str(), seconds, plan.bars, plan.bound,
                    mw::CheckCutPlan(job, plan).empty() ? "check ok" : "CHECK FAILED", took, took - seconds);
    else
        std::printf("%-18s budget %4.1f s: no plan (%s), %6.2f s (%+.2f s against the budget)",
                    file.filename().string().c_str(), seconds, plan.message.c_str(), took, took - seconds);
    std::fflush(stdout);
    std::_Exit(0);
}

}  // namespace

void ReportLargeJobs(const std::filesystem::path& folder) {
    const char* names[] = {"distinct1000.txt", "distinct4000.txt", "distinct9000.txt", "ownbar100k.txt"};
    bool any = false;
    for (const char* name : names) {
        const std::filesystem::path file = folder / name;
        std::error_code missing;
        if (!std::filesystem::is_regular_file(file, missing)) continue;
        if (!any) std::printf("large jobs, each in a process of its own:\n");
        any = true;
        for (double seconds : {2.0, 10.0}) {
            std::fflush(stdout);
            const pid_t child = fork();
            if (child < 0) {
                std::printf("  %s: no process for it\n", name);
                continue;
            }
            if (child == 0) PlanInChild(file, seconds);
            int status = 0;
            rusage usage{};
            if (wait4(child, &status, 0, &usage) != child) continue;
            std::printf(", peak %.1f MiB%s\n", static_cast<double>(usage.ru_maxrss) / 1024.0,
                        WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : " (FAILED)");
        }
    }
    if (!any) std::printf("large jobs: none at %s, skipped\n", folder.string().c_str());
}
