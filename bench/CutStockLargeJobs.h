// The large crafted cutting jobs of the report: each planned at the window's budget and at the
// command line's, with its time against the budget and its peak memory.
#pragma once

#include <filesystem>

void ReportLargeJobs(const std::filesystem::path& folder);
