// The offcuts kept in stock (余料) for each section, from the plans confirmed as cut: a file of its
// own beside the exe, written whole; what each confirmation took and kept, so the last can be
// undone and none is counted twice.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/FileSystem.h"
#include "settings/SettingsFile.h"

namespace mw {

inline constexpr KeptFile kOffcutStockFile = {"CutOffcutsKq.txt", ".damaged"};

struct KeptOffcut {
    std::string section;
    double length = 0;  // mm
    int count = 0;
    std::string date;  // when it was kept
    std::string job;   // the job it was cut in
    int confirmation = 0;
};

// One section's plan said to be cut: the offcuts it took from the stock and those it keeps.
// `key` tells the plan apart (the same key again is the same plan).
struct OffcutCut {
    std::string section;
    std::string key;
    std::vector<std::pair<double, int>> taken;  // length, bars
    std::vector<std::pair<double, int>> kept;
};

class OffcutStock {
public:
    OffcutStock(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    // False when the file was damaged: it is kept under a new name (in `setAside`) and the stock
    // starts empty. A missing file is an empty stock.
    bool Load(std::string& setAside);

    const std::vector<KeptOffcut>& Offcuts() const { return offcuts_; }
    // A section's offcuts by length, longest first.
    std::vector<std::pair<double, int>> Of(const std::string& section) const;

    enum class Confirmed { Added, Already, NotWritten };
    // The plans of one confirmation; each already confirmed is left out, and when all are the
    // stock is left as it is (Already).
    Confirmed Confirm(const std::vector<OffcutCut>& cuts, const std::string& date, const std::string& job);
    bool CanUndo() const { return !confirmations_.empty(); }
    // The offcuts the last confirmation kept go, those it took come back. False when the file
    // could not be written (nothing changes) or there is nothing to undo.
    bool UndoLast();
    // One bar of `length` of the section goes (used elsewhere). False when there is none.
    bool Remove(const std::string& section, double length);

private:
    struct Confirmation {
        int id = 0;
        std::string section, key;
        std::vector<KeptOffcut> taken;  // as they were kept, to come back so on an undo
    };
    bool Save(const std::vector<KeptOffcut>& offcuts, const std::vector<Confirmation>& confirmations);
    static void Take(std::vector<KeptOffcut>& offcuts, const std::string& section, double length, int count,
                     std::vector<KeptOffcut>& taken);

    FileSystem& files_;
    std::string path_;
    std::vector<KeptOffcut> offcuts_;
    std::vector<Confirmation> confirmations_;
};

}  // namespace mw
