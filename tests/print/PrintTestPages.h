// Reading laid-out pages back in tests: which texts a page holds, and the checks every printed
// page must pass.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "print/PageModel.h"
#include "print/TextMeasure.h"

namespace mw {

inline int CountText(const PrintedPage& page, const std::string& text) {
    int count = 0;
    for (const PageText& run : page.texts) count += run.text == text;
    return count;
}

inline int CountTextContaining(const PrintedPage& page, const std::string& part) {
    int count = 0;
    for (const PageText& run : page.texts) count += run.text.find(part) != std::string::npos;
    return count;
}

// On which pages `text` stands, as a whole run.
inline std::vector<int> PagesWith(const std::vector<PrintedPage>& pages, const std::string& text) {
    std::vector<int> found;
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (int n = CountText(pages[i], text); n > 0; --n) found.push_back(static_cast<int>(i));
    return found;
}

// Everything within the margins, the page frame on each page, and every text inside the table
// cell it starts in.
inline void ExpectSoundPages(const std::vector<PrintedPage>& pages, const PaperSize& paper, const TextMeasure& measure,
                             const std::string& title) {
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        const PrintedPage& page = pages[i];
        SCOPED_TRACE("page " + std::to_string(i + 1));
        EXPECT_EQ(CountText(page, "第 " + std::to_string(i + 1) + " 页 / 共 " + std::to_string(count) + " 页"), 1);
        EXPECT_EQ(CountText(page, title), 1);
        for (const PageText& text : page.texts) {
            const Tenths width = measure.Width(text.text, text.height, text.bold);
            EXPECT_GE(text.x, paper.left) << text.text;
            EXPECT_LE(text.x + width, paper.width - paper.right) << text.text;
            EXPECT_GE(text.y, paper.top) << text.text;
            EXPECT_LE(text.y + text.height, paper.height - paper.bottom) << text.text;
            for (const PageRect& cell : page.rects) {
                if (text.x >= cell.x && text.x < cell.x + cell.width && text.y >= cell.y && text.y < cell.y + cell.height) {
                    EXPECT_LE(text.x + width, cell.x + cell.width) << text.text;
                }
            }
        }
        for (const PageRect& rect : page.rects) {
            EXPECT_GE(rect.x, paper.left);
            EXPECT_LE(rect.x + rect.width, paper.width - paper.right);
            EXPECT_LE(rect.y + rect.height, paper.height - paper.bottom);
        }
    }
}

}  // namespace mw
