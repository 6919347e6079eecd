// Exports that record the names suggested and the files written, and can be cancelled or fail.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "kit/ExportFiles.h"

namespace mw {

struct FakeExports : ExportFiles {
    std::optional<std::string> AskSavePath(const std::string& suggested) override {
        suggestions.push_back(suggested);
        return answer;
    }
    bool Write(const std::string& path, const std::string& bytes) override {
        written[path] = bytes;
        return writable;
    }
    std::optional<std::string> answer = std::string("C:\\报价\\清单.csv");  // none: cancelled
    bool writable = true;
    std::vector<std::string> suggestions;
    std::map<std::string, std::string> written;
};

}  // namespace mw
