// Windows files. A hidden file cannot be opened with CREATE_ALWAYS, so a new file is written
// beside it and moved over it, which also keeps the old file whole if writing fails.
#include "settings/FileSystemWin32.h"

#include <windows.h>

#include "kit/Utf16Win32.h"

namespace mw {

bool Win32FileSystem::ReadFile(const std::string& path, std::string& bytes) const {
    bytes.clear();
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD got = 0;
    // A read that fails part-way is a failed read, not a shorter file.
    bool whole = true;
    while ((whole = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got) bytes.append(buffer, got);
    CloseHandle(file);
    if (!whole) bytes.clear();
    return whole;
}

bool Win32FileSystem::ReplaceWhole(const std::string& path, const std::string& bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temp = target + Widen(kReplacingSuffix);
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (ok) {
        // A read-only target stays as it is: the write fails and the value lives on in memory.
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) {
            if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return true;
        }
    }
    DeleteFileW(temp.c_str());
    return false;
}

bool Win32FileSystem::SetHidden(const std::string& path) {
    // Hidden alone, except that a read-only mark the user set stays: taking it away here would
    // let the next write through a file the user meant to keep as it is.
    const std::wstring target = Widen(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN | (attributes & FILE_ATTRIBUTE_READONLY)) != FALSE;
}

bool Win32FileSystem::Exists(const std::string& path) const {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

long long Win32FileSystem::Size(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileSystem::Remove(const std::string& path) {
    const std::wstring target = Widen(path);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(target.c_str()) != FALSE;
}

bool Win32FileSystem::Rename(const std::string& from, const std::string& to) {
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileSystem::MakeFolder(const std::string& path) {
    const std::wstring folder = Widen(path);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
    return RemoveDirectoryW(Widen(path).c_str()) != FALSE;
}

bool Win32FileSystem::IsFolder(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> Win32FileSystem::FolderNames(const std::string& folder) const {
    std::vector<std::string> names;
    std::wstring pattern = Widen(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(Narrow(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string Win32FileSystem::NameOnDisk(const std::string& path) const {
    // FindFirstFileW without wildcards finds the one entry the name reaches, short name or long,
    // and reports its long name as stored. A name with wildcards is no alias of anything.
    const std::wstring name = Widen(path);
    const std::size_t last = name.find_last_of(L"\\/");
    if (name.find_first_of(L"*?", last == std::wstring::npos ? 0 : last + 1) != std::wstring::npos) return std::string();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::string();
    FindClose(search);
    return Narrow(found.cFileName);
}

}  // namespace mw
