// Printing as the windows ask for it: a document that lays itself out on whatever paper the user
// chose, previewed in a window of its own or printed through the system's print dialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/PageModel.h"
#include "print/TextMeasure.h"

namespace mw {

struct PrintDocument {
    std::string name;  // in the print queue
    // The pages on `paper`, measured by `measure`, with `date` on every page; called again after
    // the paper changes, so the preview and the printout always come from the same layout.
    std::function<std::vector<PrintedPage>(const PaperSize& paper, const TextMeasure& measure, const std::string& date)>
        layout;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // The preview window with the document's pages.
    virtual void Preview(const PrintDocument& document) = 0;
    // The print dialog, then the document to the printer chosen. No printer, a cancelled dialog
    // and a failed job change nothing; the user hears of the first and the last.
    virtual void Print(const PrintDocument& document) = 0;
    // What the shown document lays out has changed: an open preview lays it out again, so it
    // never shows other pages than those "打印..." would print.
    virtual void DocumentChanged() = 0;
};

// What the user is told.
inline constexpr char kNoPrinterText[] = "没有安装打印机…\n请先在系统中添加打印机,然后再打印。";
inline constexpr char kPrintFailedText[] = "打印失败,文档没有打印出来。";

}  // namespace mw
