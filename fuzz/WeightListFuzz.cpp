// Fuzz target: a weight list file of any content. What the list accepts writes back to text that
// reads to the same text, and its quote lays out on A4 with every text inside the paper's margins.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/support/MemoryFileSystem.h"
#include "tools/QuoteDocument.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mw::MemoryFileSystem files;
    files.files["/app/WeightListKq.txt"] = std::string(reinterpret_cast<const char*>(data), size);
    mw::WeightList list(files, "/app/WeightListKq.txt");
    std::string setAside;
    if (!list.Load(setAside)) {
        Require(!setAside.empty() && list.Rows().empty());
        return 0;
    }
    const std::string written = list.FileText();
    files.files["/app/WeightListKq.txt"] = written;
    mw::WeightList back(files, "/app/WeightListKq.txt");
    Require(back.Load(setAside));
    Require(back.FileText() == written);
    if (list.Rows().size() > 200) return 0;

    const mw::PaperSize paper;
    const mw::PlainTextMeasure measure;
    const auto pages = mw::LayoutQuote(list, {"供方", "电话"}, mw::WeightDisplay{}, paper, measure, "2026-12-09");
    Require(!pages.empty());
    for (const mw::PrintedPage& page : pages)
        for (const mw::PageText& text : page.texts) {
            Require(text.x >= paper.left && text.y >= paper.top);
            Require(text.x + measure.Width(text.text, text.height, text.bold) <= paper.width - paper.right);
        }
    return 0;
}
