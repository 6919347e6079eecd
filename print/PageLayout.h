// Flowing a document onto pages: blocks that never split, tables whose column headers repeat on
// every page they reach, and on every page the title, the date and "第 n 页 / 共 m 页".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/PageModel.h"
#include "print/TextMeasure.h"

namespace mw {

enum class Align { Left, Centre, Right };

struct TableColumn {
    std::string title;
    Tenths width = 0;
    Align align = Align::Left;
};

class PageLayout {
public:
    // Font heights and the bands the title and the page number take, in 0.1 mm.
    static constexpr Tenths kBodyText = 35;
    static constexpr Tenths kTitleText = 60;
    static constexpr Tenths kRowHeight = 60;
    static constexpr Tenths kHeadBand = 120;  // title and date, with the rule under them
    static constexpr Tenths kFootBand = 70;   // the page number

    PageLayout(const PaperSize& paper, const TextMeasure& measure, std::string title, std::string date);

    Tenths Left() const { return paper_.left; }
    Tenths Width() const { return paper_.width - paper_.left - paper_.right; }
    const TextMeasure& Measure() const { return measure_; }

    // A block of `height` drawn by `draw` with its top at the given y; it goes whole onto the
    // next page when the rest of this one is too short. A block taller than a whole page is
    // drawn from the top of a fresh page and overruns it; callers keep blocks shorter.
    using Draw = std::function<void(PrintedPage& page, Tenths top)>;
    void Add(Tenths height, const Draw& draw);
    // Space before the next block, dropped at the top of a page.
    void Gap(Tenths height);
    void NewPage();

    // A table: its header now (with room for one row under it), then rows; a row that moves to a
    // new page takes the header with it. EndTable stops the repeating.
    void BeginTable(std::vector<TableColumn> columns);
    void AddRow(const std::vector<std::string>& cells, bool bold = false);
    void EndTable();

    // `text` fitted into the cell [x, x + width) and aligned there, its box's top at `top`.
    void Cell(PrintedPage& page, Tenths x, Tenths top, Tenths width, const std::string& text, Align align,
              Tenths height = kBodyText, bool bold = false) const;
    // A line of text across the printable width, its letters where the table's are.
    void Line(PrintedPage& page, Tenths top, const std::string& text, bool bold = false) const;

    // The pages, each with its title, date and page number.
    std::vector<PrintedPage> Finish();
    // The page count a document of the same content needs, before Finish.

private:
    Tenths ContentTop() const { return paper_.top + kHeadBand; }
    Tenths ContentBottom() const { return paper_.height - paper_.bottom - kFootBand; }
    void Place(Tenths height, const Draw& draw);
    void DrawRow(PrintedPage& page, Tenths top, const std::vector<std::string>& cells, bool bold, int shade) const;
    void Frame(PrintedPage& page, int number, int count) const;

    PaperSize paper_;
    const TextMeasure& measure_;
    std::string title_, date_;
    std::vector<PrintedPage> pages_;
    Tenths y_ = 0;
    bool pageEmpty_ = true;
    std::vector<TableColumn> columns_;
    bool inTable_ = false;
};

}  // namespace mw
