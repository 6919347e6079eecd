// POSIX files: whole-file reads, and replacement by writing a temporary file and renaming it.
#include "settings/PosixFileSystem.h"

#include <cstdio>
#include <sys/stat.h>

#if !defined(_WIN32)
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace mw {

bool PosixFileSystem::ReadFile(const std::string& path, std::string& bytes) const {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    // A read that fails part-way is a failed read, not a shorter file.
    const bool whole = !std::ferror(file);
    std::fclose(file);
    if (!whole) bytes.clear();
    return whole;
}

bool PosixFileSystem::ReplaceWhole(const std::string& path, const std::string& bytes) {
#if defined(_WIN32)
    (void)path; (void)bytes;
    return false;
#else
    const std::string temp = path + kReplacingSuffix;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) { ::close(fd); ::unlink(temp.c_str()); return false; }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (!synced || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
#endif
}

bool PosixFileSystem::Exists(const std::string& path) const {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

long long PosixFileSystem::Size(const std::string& path) const {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

bool PosixFileSystem::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return !Exists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::MakeFolder(const std::string& path) {
#if defined(_WIN32)
    (void)path;
    return false;
#else
    struct stat info;
    return ::mkdir(path.c_str(), 0755) == 0 || (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
#endif
}

bool PosixFileSystem::RemoveFolder(const std::string& path) {
#if defined(_WIN32)
    (void)path;
    return false;
#else
    return ::rmdir(path.c_str()) == 0;
#endif
}

bool PosixFileSystem::IsFolder(const std::string& path) const {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> PosixFileSystem::FolderNames(const std::string& folder) const {
    std::vector<std::string> names;
#if !defined(_WIN32)
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
#else
    (void)folder;
#endif
    return names;
}

std::string PosixFileSystem::NameOnDisk(const std::string& path) const {
    if (!Exists(path)) return std::string();
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace mw
