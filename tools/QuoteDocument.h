// The quote (报价单) made from the weight list: who sells, to whom and for what, the rows with
// their counts, weights and amounts, the total and, with a tax rate, the total with tax.
#pragma once

#include <string>
#include <vector>

#include "print/PageModel.h"
#include "print/TextMeasure.h"
#include "tools/WeightList.h"

namespace mw {

// The seller's line, kept in the settings file since it rarely changes.
struct QuoteSeller {
    std::string name;
    std::string phone;
};

inline constexpr char kQuoteTitle[] = "报价单";

// The quote's pages; `date` stands on every page. Empty fields print nothing.
std::vector<PrintedPage> LayoutQuote(const WeightList& list, const QuoteSeller& seller, const WeightDisplay& display,
                              const PaperSize& paper, const TextMeasure& measure, const std::string& date);

}  // namespace mw
