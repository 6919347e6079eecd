// A small line-oriented INI reader and writer for the update list fetched from the server (not
// for the settings file). Text is taken byte for byte; every failure is a false result.
#pragma once

#include <cstdio>
#include <string>

namespace mw {

class CIniFile {
public:
    CIniFile() = default;
    ~CIniFile() { Close(); }
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    void SetPath(const std::string& folder) { path_ = folder; }
    void SetFileName(const std::string& name) { name_ = name + ".ini"; }

    bool OpenRead();                                   // folder + file name
    bool OpenWrite();                                  // folder + file name, created or emptied
    bool OpenReadWrite(const std::string& fullName);   // must exist
    bool OpenWriteFull(const std::string& fullName);   // created or emptied
    void Close();

    // From the start of the file, the first line containing `text` anywhere; the file is left
    // after that line.
    bool FindLine(const std::string& text);
    bool WriteSection(const std::string& name);
    bool WriteString(const std::string& key, const std::string& value);
    bool WriteInt(const std::string& key, int value);
    bool WriteLine(const std::string& text);
    // The value of the first line after the first line containing `marker` anywhere (not only a
    // section's name: FindLine's rule) whose name part contains `key` (lines of later sections
    // included).
    bool ReadString(const std::string& marker, const std::string& key, std::string& value);
    bool ReadInt(const std::string& marker, const std::string& key, int& value);

    static std::string Trim(const std::string& text);

private:
    bool Open(const std::string& name, const char* mode);
    bool ReadLine(std::string& line);
    bool Write(const std::string& text);

    std::string path_, name_;
    std::FILE* file_ = nullptr;
};

}  // namespace mw
