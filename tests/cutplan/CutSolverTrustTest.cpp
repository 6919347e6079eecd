// The cutting plan can be trusted: lengths typed to the hundredth are cut exactly and called
// optimal only when they are; bars on hand that are enough are planned; a large job or one short
// of memory ends in a plan or a message; the same job and budget give the same plan however busy
// the machine; the plan check catches what a wrong plan would show.
#include "cutplan/CutSolver.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <thread>

#include "tests/cutplan/SolverJobs.h"

namespace mw {
namespace {

StockRow OnHand(double length, double count) {
    StockRow row(length);
    row.count = count;
    return row;
}

CutPlan Checked(const CutJob& job, const PackControl& control = {}) {
    const CutPlan plan = SolveCutJob(job, control);
    EXPECT_TRUE(plan.found) << plan.message;
    EXPECT_EQ(CheckCutPlan(job, plan), "");
    return plan;
}

TEST(CutSolverExact, HundredthsThatFillABarExactlyTakeOneBar) {
    // 3 × 333.33 = 999.99; 500.05 + 499.95 = 1000; 6 × 1000 + 5 kerfs of 2.55 = 6012.75.
    for (const CutJob& job : {Job({{1000}}, {{333.33, 3}}), Job({{1000}}, {{500.05, 1}, {499.95, 1}}),
                              Job({{6012.8}}, {{1000, 6}}, 2.55), Job({{1000.05}}, {{1000.05, 1}}),
                              Job({{999.999999}}, {{333.333333, 3}})}) {
        const CutPlan plan = Checked(job);
        EXPECT_EQ(plan.bars, 1) << CutJobText(job);
        EXPECT_TRUE(plan.optimal);
    }
}

TEST(CutSolverExact, AHundredthTooLongTakesABarMoreAndOptimalStaysTrue) {
    // 3 × 333.34 = 1000.02: two bars, and two bars is the least.
    CutPlan plan = Checked(Job({{1000}}, {{333.34, 3}}));
    EXPECT_EQ(plan.bars, 2);
    EXPECT_EQ(plan.bound, 2);
    EXPECT_TRUE(plan.optimal);
    // A kerf of 2.56 fills 6012.8 to the hundredth; 2.57 overruns it by 0.05.
    EXPECT_EQ(Checked(Job({{6012.8}}, {{1000, 6}}, 2.56)).bars, 1);
    plan = Checked(Job({{6012.8}}, {{1000, 6}}, 2.57));
    EXPECT_EQ(plan.bars, 2);
    // Trim in hundredths: 1000.1 less 0.1 holds 1000 exactly.
    EXPECT_EQ(Checked(Job({{1000.1}}, {{1000, 1}}, 0, 0.1)).bars, 1);
}

TEST(CutSolverExact, MoreDecimalsThanTheGridHoldsAreRefusedByName) {
    EXPECT_EQ(CheckCutJob(Job({{1000}}, {{333.3333333, 3}})), "零件第1行: 长度最多6位小数");
    EXPECT_EQ(CheckCutJob(Job({{1000.0000001}}, {{300, 3}})), "原料第1行: 长度最多6位小数");
    EXPECT_EQ(CheckCutJob(Job({{1000}}, {{300, 3}}, 0.12345678)), "锯缝最多6位小数");
    EXPECT_EQ(LengthDecimals(6012.8), 1);
    EXPECT_EQ(LengthDecimals(333.33), 2);
    EXPECT_EQ(LengthDecimals(100000), 0);
    EXPECT_EQ(CutJobScale(Job({{6012.8}}, {{1000, 6}}, 2.55)), 100);
}

TEST(CutSolverExact, RowsBeforeARefusedLengthAreMeasuredOnTheirOwnDecimals) {
    // A piece that fills the bar to the hundredth still fits when a later row is refused for its
    // decimals or its length, and one a hundredth too long is still named first.
    EXPECT_EQ(CheckCutJob(Job({{1000.05}}, {{1000.05, 1}, {333.3333333, 3}})), "零件第2行: 长度最多6位小数");
    EXPECT_EQ(CheckCutJob(Job({{1000.05}}, {{1000.05, 1}, {std::nan(""), 1}})), "零件第2行: 长度必须大于0");
    EXPECT_EQ(CheckCutJob(Job({{1000.05}}, {{1000.06, 1}, {333.3333333, 3}})),
              "零件第1行: 长度1000.06比所有原料的可用长度都长");
    EXPECT_EQ(CheckCutJob(Job({{1000.05}, {std::nan("")}}, {{1000.05, 1}})), "原料第2行: 长度必须大于0");
    EXPECT_EQ(CheckCutJob(Job({{1000.05}, {1000.0000001}}, {{1000.05, 1}})), "原料第2行: 长度最多6位小数");
}

// Sixteen bars of 2399 on hand, and pieces that fill exactly sixteen: planned, not refused.
CutJob PerfectSixteen(double onHand) {
    const double lengths[] = {1938, 1882, 1470, 1443, 1423, 1273, 1268, 1131, 1114, 1108, 1102, 1079, 1057, 1043, 968,
                              932,  891,  826,  818,  815,  807,  801,  780,  705,  679,  606,  600,  584,  540,  539,
                              526,  480,  417,  412,  409,  401,  396,  389,  370,  356,  350,  349,  325,  310,  299,
                              283,  253,  220,  210,  193,  155,  134,  128,  111,  89,   76,   68,   67,   61};
    std::vector<std::pair<double, double>> pieces;
    for (double length : lengths) pieces.emplace_back(length, 1);
    return Job({onHand > 0 ? OnHand(2399, onHand) : StockRow(2399)}, pieces);
}

TEST(CutSolverStockOnHand, BarsThatAreExactlyEnoughArePlannedWithinTheWindowsBudget) {
    PackControl control;
    control.seconds = 2;
    for (double onHand : {16.0, 17.0, 0.0}) {
        const auto start = std::chrono::steady_clock::now();
        const CutPlan plan = Checked(PerfectSixteen(onHand), control);
        EXPECT_EQ(plan.bars, 16) << onHand << " on hand";
        EXPECT_TRUE(plan.optimal);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 2.1);
    }
}

TEST(CutSolverStockOnHand, TooFewIsSaidOnlyWhenProven) {
    // Fifteen bars cannot hold sixteen bars' worth of pieces: the sizes prove it.
    // Proven too few, every row counted: the plan of what they can cut, the rest listed short.
    CutPlan plan = SolveCutJob(PerfectSixteen(15));
    EXPECT_TRUE(plan.found) << plan.message;
    EXPECT_FALSE(plan.shortPieces.empty());
    EXPECT_EQ(CheckCutPlan(PerfectSixteen(15), plan), "");
    // Three pieces of 600 in bars of 1000: two bars on hand are too few (no two pieces share).
    plan = SolveCutJob(Job({OnHand(1000, 2)}, {{600, 3}}));
    ASSERT_EQ(plan.shortPieces.size(), 1u);
    EXPECT_EQ(plan.shortPieces[0].count, 1);
    EXPECT_EQ(plan.bars, 2);
    // Two lengths on hand, each short alone, enough together.
    plan = Checked(Job({OnHand(1000, 1), OnHand(1500, 1)}, {{700, 1}, {600, 1}, {550, 1}, {300, 1}, {250, 1}}));
    EXPECT_EQ(plan.bars, 2);
}

TEST(CutSolverExact, TheBoundNeverStandsAboveThePlanWhenPricesDifferByFar) {
    // A cheap long bar beside a very dear short one: the programme's rounding once put the bound
    // a hair above the plan's cost, and at ten million times the price the pieces' price fell
    // below what the knapsacks count at all.
    for (double price : {777150.0, 77777150.0}) {
        StockRow dear = OnHand(12000, 2), cheap = OnHand(96260, 2);
        dear.price = price;
        cheap.price = 1.9005;
        const CutJob job = Job({dear, cheap}, {{2999.9, 30}}, 2, 10);
        const CutGrid grid = CutGridOf(job);
        PackControl control;
        control.seconds = 1;
        const PackOutcome outcome = SolvePacking(grid.problem, control);
        ASSERT_TRUE(outcome.plan.found);
        EXPECT_LE(outcome.bound, outcome.plan.cost * (1 + 1e-12)) << price;  // at most the last bit of rounding
        EXPECT_DOUBLE_EQ(outcome.plan.cost, 1.9005);
    }
}

// A job of many distinct lengths, as a large order would have.
CutJob ManyLengths(int lengths) {
    CutJob job = Job({{100000}}, {});
    for (int k = 0; k < lengths; ++k) job.pieces.push_back({1000.0 + 3 * k, 1, k + 1});
    return job;
}

// The processor time of this thread: a busy machine stretches the clock, not the solver's work.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

TEST(CutSolverBudget, LargeJobsKeepTheBudget) {
    for (int lengths : {1500, 9000}) {
        PackControl control;
        control.seconds = 0.5;
        const double start = ThreadSeconds();
        const CutPlan plan = Checked(ManyLengths(lengths), control);
        EXPECT_LT(ThreadSeconds() - start, 0.6) << lengths << " lengths";
        EXPECT_LE(plan.bound, plan.value);
    }
    // Every piece needs a bar of its own: as many bars as pieces, at once.
    PackControl control;
    control.seconds = 0.5;
    const CutPlan plan = Checked(Job({{100000}}, {{50001, 100000}}), control);
    EXPECT_EQ(plan.bars, 100000);
    EXPECT_TRUE(plan.optimal);
}

// The solve runs in a child process whose address space is capped a little above what the test
// program holds: it must end in a plan that passes the check or in a message, never in an escape.
[[noreturn]] void SolveShortOfMemory() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) pages = 0;
        std::fclose(statm);
    }
    const rlim_t cap = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (24u << 20);
    const rlimit limit{cap, cap};
    setrlimit(RLIMIT_AS, &limit);
    // Lengths of a fifth to a third of the bar, which the greedy start does not settle: the
    // programme's rows want more memory than the cap leaves.
    CutJob job = Job({{100000}}, {});
    for (int k = 0; k < 1100; ++k) job.pieces.push_back({20000.0 + (k * 7919) % 15013, 1, k + 1});
    PackControl control;
    control.seconds = 1;
    const CutPlan plan = SolveCutJob(job, control);
    const bool sound = plan.found ? CheckCutPlan(job, plan).empty() : !plan.message.empty();
    std::_Exit(sound ? 0 : 1);
}

TEST(CutSolverBudget, ASolveShortOfMemoryEndsInAPlanOrAMessage) {
    EXPECT_EXIT(SolveShortOfMemory(), ::testing::ExitedWithCode(0), "");
}

TEST(CutSolverBudget, TheSameJobAndBudgetGiveTheSamePlanUnderLoad) {
    CutJob job = Job({{6000}, {9000}, {12000}}, {}, 3, 10);
    for (int k = 0; k < 60; ++k) job.pieces.push_back({250.0 + 97.5 * k, 10.0 + k % 7, k + 1});
    PackControl control;
    control.work = 60000000;  // a budget the solve spends in full: it stops on work, not on the bound
    control.seconds = 60;     // the clock only as a safety stop
    const std::string quiet = CutPlanText(Checked(job, control));
    std::atomic<bool> done{false};
    std::vector<std::thread> load;
    for (int k = 0; k < 3; ++k)
        load.emplace_back([&done] {
            volatile unsigned long spin = 0;
            while (!done.load()) ++spin;
        });
    const std::string busy = CutPlanText(Checked(job, control));
    done = true;
    for (std::thread& thread : load) thread.join();
    EXPECT_EQ(quiet, busy);
}

TEST(CutPlanCheck, AWrongPlanIsCaughtToTheHundredth) {
    const CutJob job = Job({OnHand(1000, 2)}, {{333.33, 3}, {200, 1}});
    CutPlan plan = Checked(job);
    ASSERT_TRUE(plan.found);
    // A piece lengthened by a hundredth overfills its bar.
    CutJob longer = job;
    longer.pieces[0].length = 333.34;
    CutPlan wrong = plan;
    for (CutPattern& p : wrong.patterns)
        for (double& piece : p.pieces)
            if (piece == 333.33) piece = 333.34;
    SumUpCutPlan(longer, wrong);
    EXPECT_NE(CheckCutPlan(longer, wrong).find("overfull"), std::string::npos);
    // Totals that are not the patterns'.
    wrong = plan;
    wrong.bars += 1;
    EXPECT_NE(CheckCutPlan(job, wrong), "");
    // Optimal claimed above the bound.
    wrong = plan;
    wrong.bound = wrong.value - 1;
    wrong.optimal = true;
    EXPECT_NE(CheckCutPlan(job, wrong), "");
    // More bars than on hand.
    CutJob fewer = job;
    fewer.stock[0].count = 1;
    if (plan.bars > 1) {
        EXPECT_NE(CheckCutPlan(fewer, plan).find("than on hand"), std::string::npos);
    }
}

}  // namespace
}  // namespace mw
