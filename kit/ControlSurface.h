// The controls of one window as the window logic sees them: keyed by control ID, text in UTF-8.
// The Win32 layer implements it over a real dialog; tests implement it in memory.
#pragma once

#include <string>
#include <vector>

#include "kit/ListFont.h"

namespace mw {

// Message box styles and answers, numbered as the platform numbers them.
enum MessageBoxStyle : unsigned {
    kMbOk = 0x0, kMbOkCancel = 0x1, kMbYesNo = 0x4,
    kMbIconError = 0x10, kMbIconQuestion = 0x20, kMbIconWarning = 0x30, kMbIconInformation = 0x40,
    kMbTaskModal = 0x2000, kMbTopMost = 0x40000,
};
enum MessageBoxAnswer { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Control notifications the window logic handles.
enum class Notify { Change, SelChange, Click, DoubleClick };

// What a window's logic offers its binding: one entry point for control notifications.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual void OnCommand(int id, Notify what) = 0;
};

class ControlSurface {
public:
    virtual ~ControlSurface() = default;

    // Edits, statics, buttons. Setting an edit's text raises its change notification,
    // exactly as typing does.
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    // Only when the text differs: an unchanged one is neither redrawn nor heard as a change.
    void SetTextIfChanged(int id, const std::string& text) {
        if (Text(id) != text) SetText(id, text);
    }

    // Combo boxes, list boxes, report list views and the tab control; -1 means no selection.
    // Setting the selection raises no notification; a selected line is scrolled into view.
    virtual int Selection(int id) const = 0;
    virtual void SetSelection(int id, int index) = 0;
    virtual void ClearItems(int id) = 0;
    virtual void AddItem(int id, const std::string& text) = 0;
    virtual int ItemCount(int id) const = 0;
    virtual std::string ItemText(int id, int index) const = 0;
    // Replaces all the items of a list at once: a real list reserves room for them together and
    // is not redrawn item by item. Raises no notification.
    virtual void SetItems(int id, const std::vector<std::string>& items) {
        ClearItems(id);
        for (const std::string& item : items) AddItem(id, item);
    }

    // Check boxes and radio buttons.
    virtual bool Checked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;

    virtual void SetEnabled(int id, bool enabled) = 0;
    virtual bool Enabled(int id) const = 0;
    // Edits: a read-only edit shows its text but takes no typing.
    virtual void SetReadOnly(int id, bool readOnly) = 0;
    virtual void SetFocus(int id) = 0;
    virtual void SetFont(int id, ListFont font) = 0;

    // Report list views: columns, then rows of cells; AddItem adds a row of one cell, ItemText
    // reads a row's first cell. Column widths are pixels at 96 dots per inch; the surface scales
    // them to the screen.
    virtual void AddColumn(int id, const std::string& title, int widthPixels) = 0;
    virtual void AddRow(int id, const std::vector<std::string>& cells) = 0;
    virtual std::string CellText(int id, int row, int column) const = 0;

    virtual int ShowMessage(const std::string& text, const std::string& caption, unsigned style) = 0;
};

}  // namespace mw
