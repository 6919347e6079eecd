// What a calculator page needs from the main window, and what the main window needs of a page.
#pragma once

#include <optional>
#include <string>

#include "kit/ControlSurface.h"
#include "pages/CalcSettings.h"
#include "pages/SizeTable.h"

namespace mw {

class ProfileStore;
struct Weighing;

// A calculator's section as the weight list writes it ("角钢 L50×5"), and its weight a metre.
struct CurrentMaterial {
    std::string section;
    double kilogramsPerMetre = 0;
};

// A size chosen outside the page (the 型号速查 window): a row of one of the page's lists (told by
// the list's rows and, for a typed calculator, its type), or the dimensions of a plate or round
// section; with the length edit's new text, which stays as it is when empty.
struct SizeChoice {
    enum Kind { kRow, kPlate, kRound };
    Kind kind = kRow;
    const SizeRow* rows = nullptr;
    int type = -1, row = -1;
    double width = 0, thickness = 0;  // plate, mm
    double outer = 0, wall = 0;       // round: wall 0 for a bar, mm
    std::string length;
};

// The main window as a page sees it.
class PageHost {
public:
    virtual ~PageHost() = default;

    virtual void SetHint(const std::string& text) = 0;
    virtual const CalcSettings& Settings() const = 0;

    // Statistics state: the switch, the add/subtract choice (0 "+", 1 "-", read from the radios
    // at the moment of asking) and the expression, whose new text the main window shows and sums.
    virtual bool StatisticsOn() const = 0;
    virtual int AddSubtractChoice() = 0;
    virtual std::string StatisticsExpression() const = 0;
    virtual void SetStatisticsExpression(const std::string& text) = 0;

    // Puts the text on the clipboard; false (and the user is told) when that failed.
    virtual bool CopyText(const std::string& text) = 0;
    virtual ProfileStore& Profile() = 0;
    // A "重量" press, for the weight list.
    virtual void RecordWeighing(const Weighing& weighing) = 0;
};

// A page as the main window sees it.
class Page : public CommandTarget {
public:
    virtual void OnInitDialog() = 0;
    virtual void RecomputeAll() = 0;  // the page's compute operations, in the page's order
    virtual void ResetPage() = 0;
    // Tooltip of one of the page's controls; empty when it has none.
    virtual std::string TooltipText(int id) const = 0;
    // The calculator the user last worked with (else the page's first one weighed by length),
    // with its weight at a length of one metre; nothing when the page has no such calculator or
    // its weight is not a number.
    virtual std::optional<CurrentMaterial> Material() { return std::nullopt; }
    // Selects the size (or fills the dimensions) in the calculator that holds it, fills its length
    // and puts the focus there, as if the user had; false when no calculator of the page holds it.
    virtual bool Choose(const SizeChoice&) { return false; }

    // A change of density, decimal places or unit system recomputes only the page shown: a
    // hidden page is marked outdated and computes again when it is shown, before it paints, or
    // when a notification reaches it first, before the notification is handled. So the
    // figures it shows or hands on (the statistics line, the weight list) are never stale.
    void Outdate() { outdated_ = true; }
    bool Outdated() const { return outdated_; }
    void CatchUp() {
        if (!outdated_) return;
        outdated_ = false;
        RecomputeAll();
    }

private:
    bool outdated_ = false;
};

}  // namespace mw
