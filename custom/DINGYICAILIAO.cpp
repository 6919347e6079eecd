// The custom material editor's handlers; the store itself is custom/CustomEntry.
#include "custom/DINGYICAILIAO.h"

#include <cassert>

#include "kit/Captions.h"
#include "kit/ProcessStarter.h"
#include "res/resource.h"
#include "settings/ProfileStore.h"
#include "settings/SettingsFile.h"

namespace mw {

namespace {

// The type list, in the order of CustomKind.
const char* const kTypeNames[kCustomKindCount] = {
    "角钢(热轧)", "槽钢(热轧)", "工字钢", "方管/矩形管", "钢管/焊管", "六角钢", "八角钢", "螺纹钢",
};

const char kNoModel[] = "请输入型号";
const char kNoSpec[] = "请输入规格";
const char kNoUnitWeight[] = "请输入单重";
const char kTypeFull[] = "该类型的自定义材料已满86个，请先删除不用的再添加";
const char kRestartFailed[] = "无法重新启动本软件，请手动启动";

// The text of an edit as it can be stored: line breaks and other control characters would break
// the settings file's lines, and the store drops blanks at both ends, so a model of blanks alone
// would read back as none and end its type's list there.
std::string StorableText(const std::string& typed) {
    std::string text;
    for (char c : typed) text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string CustomListLine(int number, const CustomEntry& entry) {
    return std::to_string(number) + "、" + entry.type + " " + entry.model + " " + entry.spec + " " +
           entry.unitWeight;
}

CDINGYICAILIAO::CDINGYICAILIAO(ControlSurface& surface, SettingsFile& settings, ProcessStarter& processes,
                               std::string executablePath, std::function<void()> exitProgram)
    : surface_(surface), settings_(settings), processes_(processes),
      executablePath_(std::move(executablePath)), exitProgram_(std::move(exitProgram)) {}

void CDINGYICAILIAO::OnInitDialog() {
    surface_.ClearItems(IDC_CUSTOM_TYPE);
    for (const char* name : kTypeNames) surface_.AddItem(IDC_CUSTOM_TYPE, name);
    // The pages have read the store already; the rewrite renumbers it and drops what they skipped.
    LoadStore();
    SaveStore();
    surface_.SetSelection(IDC_CUSTOM_TYPE, kCustomAngle);
    OnTypeChange();
}

void CDINGYICAILIAO::LoadStore() {
    entries_.clear();
    ProfileStore& store = settings_.Store();
    store.BeginBatch();  // one read of the file for the eight types, not one for each
    for (const CustomSource& source : kCustomSources) {
        std::vector<CustomEntry> read = ReadCustomEntries(store, source);
        entries_.insert(entries_.end(), read.begin(), read.end());
    }
    store.CommitBatch();
}

bool CDINGYICAILIAO::SaveStore() {
    ShowList();
    ProfileStore& store = settings_.Store();
    // One replace of the file: a rewrite cut short would lose every entry not yet written back.
    store.BeginBatch();
    for (const CustomSource& source : kCustomSources) store.DeleteSection(source.section);
    int numbers[kCustomKindCount] = {};
    for (const CustomEntry& entry : entries_) WriteCustomEntry(store, entry, ++numbers[entry.kind]);
    const bool written = store.CommitBatch();
    settings_.Hide();
    settings_.RemoveIfEmpty();
    return written;
}

void CDINGYICAILIAO::ShowList() {
    surface_.ClearItems(IDC_CUSTOM_LIST);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        surface_.AddItem(IDC_CUSTOM_LIST, CustomListLine(static_cast<int>(i) + 1, entries_[i]));
}

void CDINGYICAILIAO::OnCommand(int id, Notify what) {
    if (id == IDC_CUSTOM_TYPE && what == Notify::SelChange) return OnTypeChange();
    if (what != Notify::Click) return;
    switch (id) {
        case IDC_CUSTOM_ADD:     OnAdd(); break;
        case IDC_CUSTOM_REMOVE:  OnRemove(); break;
        case IDC_CUSTOM_RESTART: OnRestart(); break;
        default: break;
    }
}

void CDINGYICAILIAO::OnTypeChange() {
    const int kind = surface_.Selection(IDC_CUSTOM_TYPE);
    const bool hasSpec = kind >= 0 && kind < kCustomKindCount && kCustomSources[kind].hasSpec;
    surface_.SetReadOnly(IDC_CUSTOM_SPEC, !hasSpec);
}

void CDINGYICAILIAO::OnAdd() {
    const int kind = surface_.Selection(IDC_CUSTOM_TYPE);
    if (kind < 0 || kind >= kCustomKindCount) return;
    const CustomSource& source = kCustomSources[kind];
    if (CountOf(kind) >= kMaxCustomEntries) {
        // The calculators read no more than this of one type; an entry beyond would never show.
        surface_.ShowMessage(kTypeFull, kHintCaption, kMbOk | kMbIconInformation);
        return;
    }
    CustomEntry entry;
    entry.kind = kind;
    entry.type = source.type;
    entry.model = StorableText(surface_.Text(IDC_CUSTOM_MODEL));
    if (entry.model.empty()) {
        surface_.ShowMessage(kNoModel, kInputHintCaption, kMbOk);
        return;
    }
    if (source.hasSpec) {
        entry.spec = StorableText(surface_.Text(IDC_CUSTOM_SPEC));
        if (entry.spec.empty()) {
            surface_.ShowMessage(kNoSpec, kInputHintCaption, kMbOk);
            return;
        }
    }
    entry.unitWeight = StorableText(surface_.Text(IDC_CUSTOM_UNIT_WEIGHT));
    if (entry.unitWeight.empty()) {
        surface_.ShowMessage(kNoUnitWeight, kInputHintCaption, kMbOk);
        return;
    }
    ProfileStore& store = settings_.Store();
    store.BeginBatch();  // the entry's keys land together
    WriteCustomEntry(store, entry, CountOf(kind) + 1);
    const bool written = store.CommitBatch();
    settings_.Hide();
    if (!settings_.Told(written, surface_)) {
        LoadStore();  // the list shows what the file holds, without the entry
        ShowList();
        return;
    }
    surface_.AddItem(IDC_CUSTOM_LIST, CustomListLine(static_cast<int>(entries_.size()) + 1, entry));
    entries_.push_back(std::move(entry));
}

void CDINGYICAILIAO::OnRemove() {
    const int position = surface_.Selection(IDC_CUSTOM_LIST);
    if (position < 0 || position >= static_cast<int>(entries_.size())) return;
    entries_.erase(entries_.begin() + position);
    if (settings_.Told(SaveStore(), surface_)) return;
    LoadStore();  // the entry is still in the file, and so in the list again
    ShowList();
}

void CDINGYICAILIAO::OnRestart() {
    // Every change is in the file already. The new copy runs only after the exit sequence has
    // let go of the instance mutex and the hot key, so it starts as a first copy would.
    if (!processes_.StartAfter(executablePath_, exitProgram_))
        surface_.ShowMessage(kRestartFailed, kWarningCaption, kMbOk | kMbIconWarning);
}

int CDINGYICAILIAO::CountOf(int kind) const {
    int count = 0;
    for (const CustomEntry& entry : entries_) count += entry.kind == kind;
    return count;
}

}  // namespace mw
