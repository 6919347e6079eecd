// A print service that keeps what the windows asked for and lays each document out on A4.
#pragma once

#include <string>
#include <vector>

#include "print/PrintService.h"

namespace mw {

struct FakePrintService : PrintService {
    void Preview(const PrintDocument& document) override { previewed.push_back(document); }
    void Print(const PrintDocument& document) override { printed.push_back(document); }
    void DocumentChanged() override { ++changes; }
    static std::vector<PrintedPage> Pages(const PrintDocument& document) {
        return document.layout(PaperSize(), PlainTextMeasure(), "2026-12-09");
    }
    std::vector<PrintDocument> previewed;
    std::vector<PrintDocument> printed;
    int changes = 0;
};

}  // namespace mw
