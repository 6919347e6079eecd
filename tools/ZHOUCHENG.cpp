// Bearing lookup window logic.
#include "tools/ZHOUCHENG.h"

#include <algorithm>
#include <cstring>

#include "kit/Captions.h"
#include "res/resource.h"
#include "tools/BearingTables.h"

namespace mw {

const int CZHOUCHENG::kHeaderLines[kKindCount] = {0,    257,  349,  1165, 1458, 1618,
                                                  1695, 1804, 1856, 2030, 2084, 2099};

CZHOUCHENG::CZHOUCHENG(ControlSurface& surface, Clipboard& clipboard)
    : surface_(surface), clipboard_(clipboard) {}

void CZHOUCHENG::OnInitDialog() {
    surface_.ClearItems(IDC_ZHOUCHENG_LIST);
    for (const char* line : kBearingLines) surface_.AddItem(IDC_ZHOUCHENG_LIST, line);
    surface_.ClearItems(IDC_ZHOUCHENG_KIND);
    surface_.AddItem(IDC_ZHOUCHENG_KIND, "全部滚动轴承");
    for (int header : kHeaderLines) surface_.AddItem(IDC_ZHOUCHENG_KIND, kBearingLines[header]);
    surface_.SetSelection(IDC_ZHOUCHENG_KIND, 0);
}

void CZHOUCHENG::OnCommand(int id, Notify what) {
    if (id == IDC_ZHOUCHENG_KIND && what == Notify::SelChange) OnKindChosen();
    else if (id == IDC_ZHOUCHENG_LIST && what == Notify::SelChange) OnLineSelected();
    else if (id == IDC_ZHOUCHENG_LIST && what == Notify::DoubleClick) OnLineDoubleClicked();
    else if (id == IDC_ZHOUCHENG_FIND && what == Notify::Click) OnFindNext();
}

int CZHOUCHENG::KindOfLine(int line) {
    if (line <= 0) return 0;
    return static_cast<int>(std::upper_bound(kHeaderLines, kHeaderLines + kKindCount, line) -
                            kHeaderLines);
}

int CZHOUCHENG::LineOfKind(int entry) {
    return entry >= 1 && entry <= kKindCount ? kHeaderLines[entry - 1] : 0;
}

void CZHOUCHENG::OnKindChosen() {
    surface_.SetSelection(IDC_ZHOUCHENG_LIST, LineOfKind(surface_.Selection(IDC_ZHOUCHENG_KIND)));
}

void CZHOUCHENG::OnLineSelected() {
    const int kind = KindOfLine(surface_.Selection(IDC_ZHOUCHENG_LIST));
    if (kind > 0) surface_.SetSelection(IDC_ZHOUCHENG_KIND, kind);
}

void CZHOUCHENG::OnLineDoubleClicked() {
    const int line = surface_.Selection(IDC_ZHOUCHENG_LIST);
    if (line < 0) return;
    CopyOrSay(clipboard_, surface_, surface_.ItemText(IDC_ZHOUCHENG_LIST, line));
}

void CZHOUCHENG::OnFindNext() {
    const std::string wanted = surface_.Text(IDC_ZHOUCHENG_SEARCH);
    const int start = std::max(surface_.Selection(IDC_ZHOUCHENG_LIST), 0);
    // The list holds the table's lines, so the table is searched rather than read back from the
    // list line by line. UTF-8 makes the plain substring test safe: a match never starts inside a
    // character.
    for (int step = 1; step <= kBearingLineCount; ++step) {
        const int line = (start + step) % kBearingLineCount;
        if (std::strstr(kBearingLines[line], wanted.c_str())) {
            surface_.SetSelection(IDC_ZHOUCHENG_LIST, line);
            OnLineSelected();
            return;
        }
    }
    surface_.ShowMessage("很抱歉，没找到!!", kHintCaption, kMbOk);
}

}  // namespace mw
