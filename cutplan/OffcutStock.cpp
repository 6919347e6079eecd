// The offcuts kept in stock, and their file: a line an offcut and a line a confirmation,
// tab-separated fields.
#include "cutplan/OffcutStock.h"

#include <algorithm>
#include <map>

#include "cutplan/CutJob.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

bool ParseOffcut(const std::vector<std::string>& f, std::size_t from, KeptOffcut& offcut) {
    double length = 0, count = 0, id = 0;
    const bool sound = f.size() == from + 6 && UnescapeField(f[from], offcut.section) &&
                       ParseNumberField(f[from + 1], length) && length > 0 && ParseNumberField(f[from + 2], count) &&
                       count >= 1 && count == static_cast<int>(count) && UnescapeField(f[from + 3], offcut.date) &&
                       UnescapeField(f[from + 4], offcut.job) && ParseNumberField(f[from + 5], id);
    offcut.length = length;
    offcut.count = static_cast<int>(count);
    offcut.confirmation = static_cast<int>(id);
    return sound;
}

std::string OffcutText(const KeptOffcut& o) {
    return EscapeField(o.section) + "\t" + ShortestNumber(o.length) + "\t" + std::to_string(o.count) + "\t" +
           EscapeField(o.date) + "\t" + EscapeField(o.job) + "\t" + std::to_string(o.confirmation);
}

}  // namespace

bool OffcutStock::Load(std::string& setAside) {
    setAside.clear();
    offcuts_.clear();
    confirmations_.clear();
    std::string text;
    if (!files_.ReadFile(path_, text)) return true;
    std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    bool sound = true;
    while (sound && start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line == "\r" || line[0] == '#') continue;
        const std::vector<std::string> f = SplitCells(line, "\t");
        double id = 0;
        if (f[0] == "offcut") {
            KeptOffcut offcut;
            sound = ParseOffcut(f, 1, offcut);
            offcuts_.push_back(offcut);
        } else if (f[0] == "confirm" && f.size() == 4) {
            Confirmation confirmation;
            sound = ParseNumberField(f[1], id) && id >= 1 && UnescapeField(f[2], confirmation.section) &&
                    UnescapeField(f[3], confirmation.key);
            confirmation.id = static_cast<int>(id);
            confirmations_.push_back(confirmation);
        } else if (f[0] == "took" && !confirmations_.empty()) {  // what the confirmation above took
            KeptOffcut offcut;
            sound = ParseOffcut(f, 1, offcut);
            confirmations_.back().taken.push_back(offcut);
        } else {
            sound = false;
        }
    }
    if (sound) return true;
    offcuts_.clear();
    confirmations_.clear();
    setAside = SetAsideDamaged(files_, path_, kOffcutStockFile.copies, text);
    return false;
}

bool OffcutStock::Save(const std::vector<KeptOffcut>& offcuts, const std::vector<Confirmation>& confirmations) {
    std::string text = "# 余料库存\r\n";
    for (const KeptOffcut& o : offcuts) text += "offcut\t" + OffcutText(o) + "\r\n";
    for (const Confirmation& c : confirmations) {
        text += "confirm\t" + std::to_string(c.id) + "\t" + EscapeField(c.section) + "\t" + EscapeField(c.key) + "\r\n";
        for (const KeptOffcut& o : c.taken) text += "took\t" + OffcutText(o) + "\r\n";
    }
    if (!files_.ReplaceWhole(path_, text)) return false;
    offcuts_ = offcuts;
    confirmations_ = confirmations;
    return true;
}

std::vector<std::pair<double, int>> OffcutStock::Of(const std::string& section) const {
    std::map<double, int, std::greater<double>> lengths;
    for (const KeptOffcut& o : offcuts_)
        if (o.section == section) lengths[o.length] += o.count;
    return {lengths.begin(), lengths.end()};
}

// The oldest offcuts of the length go first.
void OffcutStock::Take(std::vector<KeptOffcut>& offcuts, const std::string& section, double length, int count,
                       std::vector<KeptOffcut>& taken) {
    for (auto it = offcuts.begin(); it != offcuts.end() && count > 0;) {
        if (it->section != section || it->length != length) {
            ++it;
            continue;
        }
        KeptOffcut part = *it;
        part.count = std::min(count, it->count);
        taken.push_back(part);
        it->count -= part.count;
        count -= part.count;
        it = it->count == 0 ? offcuts.erase(it) : it + 1;
    }
}

OffcutStock::Confirmed OffcutStock::Confirm(const std::vector<OffcutCut>& cuts, const std::string& date,
                                            const std::string& job) {
    std::vector<KeptOffcut> offcuts = offcuts_;
    std::vector<Confirmation> confirmations = confirmations_;
    int id = 1;
    for (const Confirmation& c : confirmations) id = std::max(id, c.id + 1);
    bool any = false;
    for (const OffcutCut& cut : cuts) {
        const bool seen = std::any_of(confirmations_.begin(), confirmations_.end(), [&](const Confirmation& c) {
            return c.section == cut.section && c.key == cut.key;
        });
        if (seen) continue;
        any = true;
        Confirmation confirmation{id, cut.section, cut.key, {}};
        for (const auto& [length, count] : cut.taken) Take(offcuts, cut.section, length, count, confirmation.taken);
        for (const auto& [length, count] : cut.kept) offcuts.push_back({cut.section, length, count, date, job, id});
        confirmations.push_back(confirmation);
    }
    if (!any) return Confirmed::Already;
    return Save(offcuts, confirmations) ? Confirmed::Added : Confirmed::NotWritten;
}

bool OffcutStock::UndoLast() {
    if (confirmations_.empty()) return false;
    const int id = confirmations_.back().id;
    std::vector<KeptOffcut> offcuts;
    for (const KeptOffcut& o : offcuts_)
        if (o.confirmation != id) offcuts.push_back(o);
    std::vector<Confirmation> confirmations;
    for (const Confirmation& c : confirmations_) {
        if (c.id != id) {
            confirmations.push_back(c);
            continue;
        }
        offcuts.insert(offcuts.end(), c.taken.begin(), c.taken.end());
    }
    return Save(offcuts, confirmations);
}

bool OffcutStock::Remove(const std::string& section, double length) {
    std::vector<KeptOffcut> offcuts = offcuts_;
    int total = 0;
    for (const KeptOffcut& o : offcuts)
        if (o.section == section && o.length == length) total += o.count;
    if (total == 0) return false;
    // The newest goes: the oldest are the ones a plan takes first.
    for (auto it = offcuts.rbegin(); it != offcuts.rend(); ++it) {
        if (it->section != section || it->length != length) continue;
        if (--it->count == 0) offcuts.erase(std::next(it).base());
        break;
    }
    return Save(offcuts, confirmations_);
}

}  // namespace mw
