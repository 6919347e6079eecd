// Fuzz target: any settings file, then a sequence of reads, writes and deletions decoded from
// the input; a written value must read back, and the same changes made in one batch must give
// the same answers and, at the commit, the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/IniProfileStore.h"
#include "tests/support/MemoryFileSystem.h"

namespace {

// Takes a short name from the input: bytes up to a separator, at most 8.
std::string Name(const uint8_t*& data, size_t& size) {
    std::string name;
    while (size > 0 && name.size() < 8) {
        const char c = static_cast<char>(*data++);
        --size;
        if (c == '|') break;
        name += c;
    }
    return name;
}

bool Plain(const std::string& text) {
    if (text.empty() || text.front() == ' ' || text.back() == ' ') return false;
    for (char c : text)
        if (c == '=' || c == '[' || c == ']' || c == ';' || c == '\n' || c == '\r' || c == '\t' ||
            static_cast<unsigned char>(c) >= 0x80 || c == '\0')
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t fileSize = data[0] % 64 < size ? data[0] % 64 : size - 1;
    mw::MemoryFileSystem files;
    const char path[] = "/f.ini";
    files.files[path] = std::string(reinterpret_cast<const char*>(data + 1), fileSize);
    data += 1 + fileSize;
    size -= 1 + fileSize;
    mw::IniProfileStore store(files, path);
    mw::MemoryFileSystem batchFiles = files;
    mw::IniProfileStore batched(batchFiles, path);
    batched.BeginBatch();
    while (size > 0) {
        const uint8_t op = *data++ % 5;
        --size;
        const std::string section = Name(data, size), key = Name(data, size), value = Name(data, size);
        switch (op) {
            case 0:
                if (store.ReadString(section, key) != batched.ReadString(section, key)) std::abort();
                break;
            case 1:
                if (store.ReadInt(section, key, 7) != batched.ReadInt(section, key, 7)) std::abort();
                break;
            case 2:
                store.WriteString(section, key, value);
                batched.WriteString(section, key, value);
                // Names and values of the kind the program writes read back as written.
                if (Plain(section) && Plain(key) && (value.empty() || Plain(value)) &&
                    store.ReadString(section, key) != value)
                    std::abort();
                break;
            case 3:
                store.DeleteKey(section, key);
                batched.DeleteKey(section, key);
                break;
            default:
                store.DeleteSection(section);
                batched.DeleteSection(section);
                break;
        }
    }
    if (!batched.CommitBatch() || batchFiles.files != files.files) std::abort();
    return 0;
}
