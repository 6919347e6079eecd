// The section lookup window "型号速查": one edit for a designation as drawings write it, what it
// means under the current settings as the user types, the way to the calculator that holds it,
// and the length a weight buys.
#pragma once

#include <optional>
#include <string>

#include "kit/ControlSurface.h"
#include "lookup/Designation.h"
#include "pages/PageHost.h"

namespace mw {

// The main window as the lookup window sees it.
class LookupTarget {
public:
    virtual ~LookupTarget() = default;
    virtual const CalcSettings& Settings() const = 0;
    // Shows the page and hands it the choice; false when no calculator of it took the choice.
    virtual bool SendToCalculator(int page, const SizeChoice& choice) = 0;
};

class CLookupDlg : public CommandTarget {
public:
    CLookupDlg(ControlSurface& surface, LookupTarget& target) : surface_(surface), target_(target) {}

    void OnInitDialog();
    void OnCommand(int id, Notify what) override;
    // Shows everything again under the settings as they are now.
    void Refresh();

    // The choice and page the window would send, for the meaning shown; nothing without one.
    std::optional<SizeChoice> Choice() const;

private:
    void OnText();
    void OnCandidate();
    void Send();
    void ShowMeaning();
    void ShowInverse();
    std::string LengthText() const;

    ControlSurface& surface_;
    LookupTarget& target_;
    Designation read_;
    std::optional<Meaning> shown_;  // the one meaning read, or the candidate picked
};

}  // namespace mw
