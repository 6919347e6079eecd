// Job files the user opens and saves under names of his own: the dialogs that ask for them and
// the files themselves, behind an interface so that the window's logic stays platform-free.
#pragma once

#include <optional>
#include <string>

namespace mw {

class CutJobFiles {
public:
    virtual ~CutJobFiles() = default;
    // The path chosen, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> AskOpenPath() = 0;
    virtual std::optional<std::string> AskSavePath(const std::string& suggestedName) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Read(const std::string& path, std::string& bytes) = 0;
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;  // whole, or not at all
};

}  // namespace mw
