// The control surface over a real dialog: each call is a message or two to the control.
#pragma once

#include <windows.h>

#include <map>

#include "kit/ControlSurface.h"

namespace mw {

class DialogSurface : public ControlSurface {
public:
    explicit DialogSurface(HWND dialog = nullptr) : dialog_(dialog) {}
    void Attach(HWND dialog) {
        dialog_ = dialog;
        controls_.clear();
    }
    HWND Dialog() const { return dialog_; }

    std::string Text(int id) const override;
    void SetText(int id, const std::string& text) override;
    int Selection(int id) const override;
    void SetSelection(int id, int index) override;
    void ClearItems(int id) override;
    void AddItem(int id, const std::string& text) override;
    int ItemCount(int id) const override;
    std::string ItemText(int id, int index) const override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void SetEnabled(int id, bool enabled) override;
    bool Enabled(int id) const override;
    void SetReadOnly(int id, bool readOnly) override;
    void SetFocus(int id) override;
    void SetFont(int id, ListFont font) override;
    void AddColumn(int id, const std::string& title, int widthPixels) override;
    void AddRow(int id, const std::vector<std::string>& cells) override;
    std::string CellText(int id, int row, int column) const override;
    int ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;

    // The fonts the size lists switch between; the page that creates them owns them.
    void SetListFont(ListFont kind, HFONT font);

private:
    enum class Kind { Other, Combo, List, ListView, Tab };
    struct Known { HWND hwnd; Kind kind; };
    // The control of an ID and its kind: looked up once, since a dialog's controls live as long
    // as it does and keep their class (and the lookup asks the window server each time).
    Known Find(int id) const;
    HWND Control(int id) const { return Find(id).hwnd; }

    HWND dialog_;
    HFONT fonts_[4] = {};
    mutable std::map<int, Known> controls_;
};

}  // namespace mw
