// The About window: the usage notes, the change log, where the program's files are, and buttons to the update check (after the
// maker's download page, when there is one) and to the web shop.
#pragma once

#include <string>

#include "kit/ControlSurface.h"
#include "app/WebPages.h"
#include "settings/FilesPlace.h"

namespace mw {

// What the About window asks of the platform.
class AboutActions {
public:
    virtual ~AboutActions() = default;
    virtual void OpenWebPage(const std::string& address) = 0;  // in the default browser
    virtual void StartUpdateCheck() = 0;
    virtual void Close() = 0;
};

// The two texts, each one string with CR LF line ends.
std::string UsageNotes();
std::string ChangeLog();
// The line that says where the program's files are.
std::string FilesPlaceText(const FilesPlace& place);

class CWeightAboutDlg : public CommandTarget {
public:
    CWeightAboutDlg(ControlSurface& surface, AboutActions& actions, const WebPages& pages = kWebPages);

    void OnInitDialog(const FilesPlace& place = FilesPlace());
    void OnCommand(int id, Notify what) override;
    void OnClose() { actions_.Close(); }

private:
    ControlSurface& surface_;
    AboutActions& actions_;
    WebPages pages_;
};

}  // namespace mw
