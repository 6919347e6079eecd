// In-memory control surface for tests.
#include "tests/support/MemorySurface.h"

#include <algorithm>

namespace mw {

const MemorySurface::Control& MemorySurface::At(int id) const { return controls_[id]; }

std::string MemorySurface::Text(int id) const { return At(id).text; }

void MemorySurface::SetText(int id, const std::string& text) {
    ++Get(id).textSets;
    Get(id).text = text;
    Raise(id, Notify::Change);
}

int MemorySurface::Selection(int id) const { return At(id).selection; }

void MemorySurface::SetSelection(int id, int index) {
    Control& c = Get(id);
    c.selection = index >= 0 && index < static_cast<int>(c.items.size()) ? index : -1;
}

void MemorySurface::ClearItems(int id) {
    Get(id).items.clear();
    Get(id).cells.clear();
    Get(id).selection = -1;
}

void MemorySurface::AddItem(int id, const std::string& text) { AddRow(id, {text}); }

void MemorySurface::AddColumn(int id, const std::string& title, int widthPixels) {
    Get(id).columns.emplace_back(title, widthPixels);
}

void MemorySurface::AddRow(int id, const std::vector<std::string>& cells) {
    Control& c = Get(id);
    c.items.push_back(cells.empty() ? std::string() : cells.front());
    c.cells.push_back(cells);
}

std::string MemorySurface::CellText(int id, int row, int column) const {
    const Control& c = At(id);
    if (row < 0 || row >= static_cast<int>(c.cells.size())) return {};
    const std::vector<std::string>& cells = c.cells[row];
    return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

int MemorySurface::ItemCount(int id) const { return static_cast<int>(At(id).items.size()); }

std::string MemorySurface::ItemText(int id, int index) const {
    const Control& c = At(id);
    return index >= 0 && index < static_cast<int>(c.items.size()) ? c.items[index] : std::string();
}

bool MemorySurface::Checked(int id) const { return At(id).checked; }

void MemorySurface::SetChecked(int id, bool checked) { Get(id).checked = checked; }

void MemorySurface::SetEnabled(int id, bool enabled) { Get(id).enabled = enabled; }

bool MemorySurface::Enabled(int id) const { return At(id).enabled; }

void MemorySurface::SetReadOnly(int id, bool readOnly) { Get(id).readOnly = readOnly; }

void MemorySurface::SetFont(int id, ListFont font) { Get(id).font = font; }

int MemorySurface::ShowMessage(const std::string& text, const std::string& caption, unsigned style) {
    messages.push_back({text, caption, style});
    return nextAnswer;
}

void MemorySurface::Choose(int id, int index) {
    SetSelection(id, index);
    Raise(id, Notify::SelChange);
}

bool MemorySurface::ChooseItem(int id, const std::string& text) {
    const std::vector<std::string>& items = At(id).items;
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) return false;
    Choose(id, static_cast<int>(found - items.begin()));
    return true;
}

void MemorySurface::Click(int id) {
    bool radio = false;
    for (const auto& group : radioGroups_) {
        if (std::find(group.begin(), group.end(), id) == group.end()) continue;
        for (int other : group) Get(other).checked = other == id;
        radio = true;
    }
    if (!radio) Get(id).checked = !Get(id).checked;  // a check box flips; push buttons ignore it
    Raise(id, Notify::Click);
}

}  // namespace mw
