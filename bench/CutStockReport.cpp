// The cutting plan's solver over the published one-dimensional bin-packing instances, beside
// first-fit decreasing: how many plans meet the lower bound, the largest excess, mean and worst
// time; then each instance again with as many bars on hand as its unlimited plan used (none may be
// refused); then the large crafted jobs, each with its time against its budget and its peak
// memory. Usage: cutstock_report [FOLDER [SECONDS]] (default: the shared data folder beside the
// sources, and a budget of one second an instance).
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/CutStockLargeJobs.h"
#include "cutplan/PackingHeuristics.h"
#include "cutplan/PackingSolver.h"

namespace {

namespace fs = std::filesystem;

bool ReadInstance(const fs::path& path, mw::PackProblem& problem) {
    std::ifstream in(path);
    long long n = 0, capacity = 0;
    if (!(in >> n >> capacity) || n <= 0 || capacity <= 0) return false;
    std::map<long long, int, std::greater<long long>> sizes;
    for (long long k = 0; k < n; ++k) {
        long long size = 0;
        if (!(in >> size) || size <= 0 || size > capacity) return false;
        ++sizes[size];
    }
    problem = {};
    for (const auto& [size, count] : sizes) problem.items.push_back({size, count});
    problem.stock.push_back({capacity, -1, 1.0});
    return true;
}

struct Tally {
    int atBound = 0;
    long long worstExcess = 0;
    double totalSeconds = 0, worstSeconds = 0, totalCpu = 0, worstCpu = 0;
    std::vector<double> times;
    std::string worstName;

    void Add(long long bars, long long bound, double seconds, double cpu, const std::string& name) {
        atBound += bars <= bound;
        worstExcess = std::max(worstExcess, bars - bound);
        totalSeconds += seconds;
        totalCpu += cpu;
        worstCpu = std::max(worstCpu, cpu);
        times.push_back(seconds);
        if (seconds > worstSeconds) {
            worstSeconds = seconds;
            worstName = name;
        }
    }
    void Print(const char* title, int instances) {
        std::sort(times.begin(), times.end());
        std::printf("%-24s at bound %5d of %d (%.2f %%), largest excess %lld, mean %.2f ms, median %.2f ms, "
                    "worst %.1f ms (%s); CPU mean %.2f ms, worst %.1f ms\n",
                    title, atBound, instances, 100.0 * atBound / instances, worstExcess, 1e3 * totalSeconds / instances,
                    1e3 * times[times.size() / 2], 1e3 * worstSeconds, worstName.c_str(), 1e3 * totalCpu / instances,
                    1e3 * worstCpu);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::path(MW_CUTSTOCK_DATA);
    // The solver's own budget, as the window gives it; a plan is due by then.
    const double seconds = argc > 2 ? std::atof(argv[2]) : 1.0;
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::printf("cutting-plan report: no instances at %s, skipped\n", folder.string().c_str());
        return 0;
    }
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, error)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (entry.is_regular_file() && ext == ".bpp") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    Tally solver, greedy, onHand;
    int refused = 0;
    int instances = 0;
    int sources[4] = {0, 0, 0, 0};  // instances by the source of their bound
    for (const fs::path& file : files) {
        mw::PackProblem problem;
        if (!ReadInstance(file, problem)) {
            std::printf("  unreadable: %s\n", file.string().c_str());
            continue;
        }
        ++instances;
        const std::string name = file.filename().string();
        const std::clock_t c0 = std::clock();
        auto t0 = std::chrono::steady_clock::now();
        mw::PackControl control;
        control.seconds = seconds;
        const mw::PackOutcome outcome = mw::SolvePacking(problem, control);
        auto t1 = std::chrono::steady_clock::now();
        const std::clock_t c1 = std::clock();
        const mw::PackPlan ffd = mw::FirstFitDecreasing(problem);
        auto t2 = std::chrono::steady_clock::now();
        const std::clock_t c2 = std::clock();
        const long long bound = static_cast<long long>(outcome.bound + 0.5);
        ++sources[static_cast<int>(outcome.boundSource)];
        solver.Add(outcome.plan.bars, bound, std::chrono::duration<double>(t1 - t0).count(),
                   static_cast<double>(c1 - c0) / CLOCKS_PER_SEC, name);
        greedy.Add(ffd.bars, bound, std::chrono::duration<double>(t2 - t1).count(),
                   static_cast<double>(c2 - c1) / CLOCKS_PER_SEC, name);
        if (outcome.plan.bars > bound)
            std::printf("  above the bound: %s bars %lld bound %lld\n", name.c_str(), outcome.plan.bars, bound);
        // The same with exactly the bars the unlimited plan used on hand: a plan exists, so none
        // may be refused. Both runs of this pair count their budget in work alone (the clock's
        // safety stop ten times later), so that a busy machine cannot give them different shares.
        mw::PackControl work;
        work.work = mw::PackWorkBudget(seconds);
        work.seconds = 10 * seconds;
        problem.stock[0].count = -1;
        const mw::PackOutcome unlimited = mw::SolvePacking(problem, work);
        problem.stock[0].count = static_cast<int>(unlimited.plan.bars);
        const auto t3 = std::chrono::steady_clock::now();
        const std::clock_t c3 = std::clock();
        const mw::PackOutcome counted = mw::SolvePacking(problem, work);
        const auto t4 = std::chrono::steady_clock::now();
        const std::clock_t c4 = std::clock();
        if (!counted.plan.found) {
            ++refused;
            std::printf("  refused with %lld bars on hand: %s (%s)\n", unlimited.plan.bars, name.c_str(),
                        counted.infeasible ? "called too few: WRONG" : "no plan within the budget");
        }
        onHand.Add(counted.plan.found ? counted.plan.bars : unlimited.plan.bars + 1, bound,
                   std::chrono::duration<double>(t4 - t3).count(), static_cast<double>(c4 - c3) / CLOCKS_PER_SEC, name);
    }
    if (instances == 0) {
        std::printf("cutting-plan report: no instances at %s, skipped\n", folder.string().c_str());
        return 0;
    }
    // Every bound below is at most the rounded-up LP bound, so a plan at its bound is at that one
    // too; above it, the excess over the LP bound is at most the one shown.
    std::printf("cutting plan over %d bin-packing instances; bound by: LP %d, Farley (LP unfinished) %d, "
                "Martello-Toth %d, sizes %d\n",
                instances, sources[static_cast<int>(mw::PackBoundSource::Programme)],
                sources[static_cast<int>(mw::PackBoundSource::Farley)],
                sources[static_cast<int>(mw::PackBoundSource::MartelloToth)],
                sources[static_cast<int>(mw::PackBoundSource::Sizes)]);
    solver.Print("column generation", instances);
    greedy.Print("first-fit decreasing", instances);
    onHand.Print("bars used on hand", instances);
    std::printf("with the bars the unlimited plan used on hand (budget in work): %d of %d refused\n", refused,
                instances);
    ReportLargeJobs(folder / "crafted");
    return 0;
}
