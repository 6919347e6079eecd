// The material density window: a read-only table of densities with a find-next search.
#pragma once

#include <string>

#include "kit/ControlSurface.h"

namespace mw {

class CAILIAOMIDU : public CommandTarget {
public:
    static constexpr const char* kNotFound = "很抱歉，没找到!!";

    explicit CAILIAOMIDU(ControlSurface& surface) : surface_(surface) {}

    // Columns and rows of the table; the search starts again from the top.
    void OnInitDialog();
    void OnCommand(int id, Notify what) override;

    // Finds the next row after the one found last whose name or density holds the search text,
    // going on at the top after the last row; selects it and puts the focus on the table.
    void FindNext();
    int LastFound() const { return lastFound_; }

private:
    static bool Matches(int row, const std::string& text);

    ControlSurface& surface_;
    int lastFound_ = -1;
};

}  // namespace mw
