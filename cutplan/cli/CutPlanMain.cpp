// cutplan [--seconds S] [--check] FILE: the cutting plan of a job file on the command line, for
// scripts and benchmarks. Prints one line per pattern, then the bars and the bound (and `check ok`
// with --check, once every plan has passed the plan check); a job of several sections prints each
// after a `section NAME` line. A bad file gets a message naming the line and exit status 1.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cutplan/CutJob.h"
#include "cutplan/CutPlan.h"
#include "cutplan/CutSolver.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: cutplan [--seconds S] [--check] FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 10;
    bool check = false;
    const char* path = nullptr;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[k], "--seconds") == 0) {
            if (++k == argc) return Usage();
            char* end = nullptr;
            seconds = std::strtod(argv[k], &end);
            if (end == argv[k] || *end != '\0' || !std::isfinite(seconds) || seconds <= 0 || seconds > 86400) {
                std::fprintf(stderr, "cutplan: --seconds: %s 不是0到86400之间的秒数\n", argv[k]);
                return 2;
            }
        } else if (path || (argv[k][0] == '-' && argv[k][1] == '-')) {
            return Usage();
        } else {
            path = argv[k];
        }
    }
    if (!path) return Usage();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cutplan: %s: 无法打开\n", path);
        return 1;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::vector<mw::CutJob> sections;
    std::string error;
    if (!mw::ParseCutJobSections(bytes.str(), sections, error)) {
        std::fprintf(stderr, "cutplan: %s: %s\n", path, error.c_str());
        return 1;
    }
    // Several sections: each one's plan after its `section` line, in the file's order; the first
    // that cannot be planned ends the run with its message.
    const bool several = sections.size() > 1;
    std::string out;
    for (const mw::CutJob& job : sections) {
        const std::string where = several ? std::string(path) + ": " + job.section : std::string(path);
        mw::PackControl control;
        control.seconds = seconds;
        const mw::CutPlan plan = mw::SolveCutJob(job, control);
        if (!plan.found) {
            std::fputs(out.c_str(), stdout);
            std::fprintf(stderr, "cutplan: %s: %s\n", where.c_str(), plan.message.c_str());
            return 1;
        }
        // SolveCutJob shows no plan that fails the check; asked again here so that `check ok` is
        // the check's own word on what is printed.
        const std::string fault = mw::CheckCutPlan(job, plan);
        if (!fault.empty()) {
            std::fputs(out.c_str(), stdout);
            std::fprintf(stderr, "cutplan: %s: 方案校验失败 (%s)\n", where.c_str(), fault.c_str());
            return 1;
        }
        if (several) out += "section " + job.section + "\n";
        out += mw::CutPlanText(plan);
    }
    std::fputs(out.c_str(), stdout);
    if (check) std::fputs("check ok\n", stdout);
    return 0;
}
