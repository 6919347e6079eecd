// The About window's behaviour and the composition of its two texts.
#include "app/WeightAboutDlg.h"

#include "app/AboutTexts.h"
#include "res/resource.h"

namespace mw {

namespace {

const char kLineEnd[] = "\r\n";

std::string Joined(const std::string& text, const std::string& line) {
    return text.empty() ? line : text + kLineEnd + line;
}

bool Empty(const char* address) { return address == nullptr || *address == '\0'; }

}  // namespace

std::string UsageNotes() {
    std::string text;
    auto general = [&text](const GeneralNote& note) {
        text = Joined(text, std::to_string(note.number) + ". " + note.text);
    };
    for (const GeneralNote& note : kNotesBeforeCalculators) general(note);
    for (int i = 0; i < kCalculatorNoteCount; ++i) {
        const CalculatorNote& note = kCalculatorNotes[i];
        text = Joined(text, std::to_string(kFirstCalculatorNote + i) + ". " + note.calculator + "：" +
                                note.formula + "。" + note.remarks);
    }
    for (const GeneralNote& note : kNotesAfterCalculators) general(note);
    const std::string expression = std::to_string(kExpressionNote);
    text = Joined(text, expression + ". " + kExpressionLead);
    text = Joined(text, expression + ".1 " + kOperatorsNote);
    for (int i = 0; i < kFunctionNoteCount; ++i) {
        const FunctionNote& note = kFunctionNotes[i];
        std::string line = expression + "." + std::to_string(i + 2) + " " + note.call + "：" + note.meaning;
        if (*note.example) line += std::string("，如") + note.example;
        text = Joined(text, line);
    }
    return text;
}

std::string ChangeLog() {
    std::string text;
    for (int i = 0; i < kChangeLogLineCount; ++i) text = Joined(text, kChangeLogLines[i]);
    return text;
}

std::string FilesPlaceText(const FilesPlace& place) {
    return std::string(place.BesideExecutable() ? "文件保存在程序所在文件夹:" : "程序所在文件夹不可写,文件保存在:") +
           kLineEnd + place.Folder();
}

CWeightAboutDlg::CWeightAboutDlg(ControlSurface& surface, AboutActions& actions, const WebPages& pages)
    : surface_(surface), actions_(actions), pages_(pages) {}

void CWeightAboutDlg::OnInitDialog(const FilesPlace& place) {
    surface_.SetText(IDC_ABOUT_NOTES, UsageNotes());
    surface_.SetText(IDC_ABOUT_CHANGES, ChangeLog());
    surface_.SetText(IDC_ABOUT_FILES, FilesPlaceText(place));
    // The check answers even when no server is set, so its button stays usable.
    surface_.SetEnabled(IDC_ABOUT_UPDATE, true);
    surface_.SetEnabled(IDC_ABOUT_SHOP, !Empty(pages_.shop));
    // The focus on the close button keeps both texts unselected and scrolled to their start.
    surface_.SetFocus(IDC_ABOUT_CLOSE);
}

void CWeightAboutDlg::OnCommand(int id, Notify what) {
    if (what != Notify::Click) return;
    switch (id) {
        case IDC_ABOUT_UPDATE:
            if (!Empty(pages_.download)) actions_.OpenWebPage(pages_.download);
            actions_.StartUpdateCheck();
            break;
        case IDC_ABOUT_SHOP:
            if (!Empty(pages_.shop)) actions_.OpenWebPage(pages_.shop);
            break;
        case IDC_ABOUT_CLOSE:
            actions_.Close();
            break;
        default:
            break;
    }
}

}  // namespace mw
