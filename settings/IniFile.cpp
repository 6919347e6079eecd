// CIniFile: substring matching over lines of any length, NUL bytes included.
#include "settings/IniFile.h"

#include <cstdlib>

namespace mw {

namespace {

#if defined(_WIN32)
// Names are UTF-8 inside the program; fopen would take them in the ANSI code page, so a folder
// with Chinese characters would not open.
std::wstring Utf16(const std::string& utf8) {
    std::wstring out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        unsigned code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (i + k < utf8.size() ? utf8[i + k] & 0x3F : 0);
        if (code >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<wchar_t>(code);
        }
        i += length;
    }
    return out;
}
#endif

}  // namespace

bool CIniFile::Open(const std::string& name, const char* mode) {
    Close();
#if defined(_WIN32)
    file_ = _wfopen(Utf16(name).c_str(), Utf16(mode).c_str());
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

bool CIniFile::ReadString(const std::string& section, const std::string& key, std::string& value) {
    if (!file_ || !FindLine(section)) return false;
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

bool CIniFile::ReadInt(const std::string& section, const std::string& key, int& value) {
    std::string text;
    if (!ReadString(section, key, text)) return false;
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
