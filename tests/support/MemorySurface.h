// An in-memory window for tests and benchmarks: controls spring into being when first touched,
// and setting a text raises the change notification, as a real edit does.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"

namespace mw {

class MemorySurface : public ControlSurface {
public:
    struct Control {
        std::string text;
        std::vector<std::string> items;
        std::vector<std::vector<std::string>> cells;  // report list views: the rows' cells
        std::vector<std::pair<std::string, int>> columns;
        int selection = -1;
        bool checked = false;
        bool enabled = true;
        bool readOnly = false;
        int textSets = 0;  // how often the window logic set the text
        ListFont font = ListFont::Dialog;
    };
    struct ShownMessage {
        std::string text, caption;
        unsigned style;
    };

    // Notifications go to `target` (none while it is null).
    void Bind(CommandTarget* target) { target_ = target; }

    std::string Text(int id) const override;
    void SetText(int id, const std::string& text) override;
    int Selection(int id) const override;
    void SetSelection(int id, int index) override;
    void ClearItems(int id) override;
    void AddItem(int id, const std::string& text) override;
    int ItemCount(int id) const override;
    std::string ItemText(int id, int index) const override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void SetEnabled(int id, bool enabled) override;
    bool Enabled(int id) const override;
    void SetReadOnly(int id, bool readOnly) override;
    void SetFocus(int id) override { focus = id; }
    void SetFont(int id, ListFont font) override;
    void AddColumn(int id, const std::string& title, int widthPixels) override;
    void AddRow(int id, const std::vector<std::string>& cells) override;
    std::string CellText(int id, int row, int column) const override;
    int ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;

    // What a user does: type into an edit, pick an item, click a button or radio.
    void Type(int id, const std::string& text) { SetText(id, text); }
    void Choose(int id, int index);
    // Picks the item with this text, as a user would; false when the list has none.
    bool ChooseItem(int id, const std::string& text);
    void Click(int id);
    void DoubleClick(int id) { Raise(id, Notify::DoubleClick); }
    // Radio groups: checking one clears the others of its group, as the dialog manager does.
    void DefineRadioGroup(std::vector<int> ids) { radioGroups_.push_back(std::move(ids)); }

    const Control& At(int id) const;
    ListFont Font(int id) const { return At(id).font; }
    std::vector<ShownMessage> messages;
    int focus = 0;  // the control that has the focus, 0 for none
    int nextAnswer = kIdOk;  // what the next message box returns

private:
    Control& Get(int id) { return controls_[id]; }
    void Raise(int id, Notify what) { if (target_) target_->OnCommand(id, what); }

    mutable std::map<int, Control> controls_;
    std::vector<std::vector<int>> radioGroups_;
    CommandTarget* target_ = nullptr;
};

// A clipboard that remembers the last text and can pretend to be busy.
class MemoryClipboard : public Clipboard {
public:
    bool SetText(const std::string& text) override {
        if (busy) return false;
        this->text = text;
        return true;
    }
    std::string text;
    bool busy = false;
};

}  // namespace mw
