// CIniFile: substring matching over lines of any length, NUL bytes included.
#include "settings/IniFile.h"

#include <cstdlib>

#if defined(_WIN32)
#include "kit/Utf16Win32.h"
#endif

namespace mw {

bool CIniFile::Open(const std::string& name, const char* mode) {
    Close();
#if defined(_WIN32)
    // Names are UTF-8 inside the program; fopen would take them in the ANSI code page, so a
    // folder with Chinese characters would not open.
    file_ = _wfopen(Widen(name).c_str(), Widen(mode).c_str());
#else
    file_ = std::fopen(name.c_str(), mode);
#endif
    return file_ != nullptr;
}

bool CIniFile::OpenRead() { return Open(path_ + name_, "r"); }
bool CIniFile::OpenWrite() { return Open(path_ + name_, "w"); }
bool CIniFile::OpenReadWrite(const std::string& fullName) { return Open(fullName, "r+"); }
bool CIniFile::OpenWriteFull(const std::string& fullName) { return Open(fullName, "w"); }

void CIniFile::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool CIniFile::ReadLine(std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(file_)) != EOF) {
        any = true;
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

bool CIniFile::Write(const std::string& text) {
    if (!file_) return false;
    return std::fwrite(text.data(), 1, text.size(), file_) == text.size();
}

bool CIniFile::FindLine(const std::string& text) {
    if (!file_) return false;
    std::rewind(file_);
    std::string line;
    while (ReadLine(line))
        if (line.find(text) != std::string::npos) return true;
    return false;
}

bool CIniFile::WriteSection(const std::string& name) { return Write("\n[" + name + "]\n"); }
bool CIniFile::WriteString(const std::string& key, const std::string& value) { return Write(key + "=" + value + "\n"); }
bool CIniFile::WriteInt(const std::string& key, int value) { return WriteString(key, std::to_string(value)); }
bool CIniFile::WriteLine(const std::string& text) { return Write(text); }

bool CIniFile::ReadString(const std::string& marker, const std::string& key, std::string& value) {
    if (!file_ || !FindLine(marker)) return false;
    std::string line;
    while (ReadLine(line)) {
        const std::size_t eq = line.find('=');
        const std::string name = eq == std::string::npos ? std::string() : line.substr(0, eq);
        if (line.find('[') == std::string::npos && !name.empty() && name.find(key) != std::string::npos) {
            value = Trim(line.substr(eq + 1));
            return true;
        }
    }
    return false;
}

bool CIniFile::ReadInt(const std::string& marker, const std::string& key, int& value) {
    std::string text;
    if (!ReadString(marker, key, text)) return false;
    value = static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
    return true;
}

std::string CIniFile::Trim(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    const std::size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

}  // namespace mw
