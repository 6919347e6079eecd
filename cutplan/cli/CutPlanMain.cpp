// cutplan FILE: the cutting plan of a job file on the command line, for scripts and benchmarks.
// Prints one line per pattern, then the bars and the bound; a bad file gets a message naming the
// line and exit status 1.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cutplan/CutJob.h"
#include "cutplan/CutSolver.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cutplan FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cutplan: %s: 无法打开\n", argv[1]);
        return 1;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    mw::CutJob job;
    std::string error;
    if (!mw::ParseCutJob(bytes.str(), job, error)) {
        std::fprintf(stderr, "cutplan: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    const mw::CutPlan plan = mw::SolveCutJob(job);
    if (!plan.found) {
        std::fprintf(stderr, "cutplan: %s: %s\n", argv[1], plan.message.c_str());
        return 1;
    }
    std::fputs(mw::CutPlanText(plan).c_str(), stdout);
    return 0;
}
