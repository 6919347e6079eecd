// Fuzz target: an update list of any content read through CIniFile.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "settings/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/mw-inifile-fuzz-" + std::to_string(getpid()) + ".ini";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    mw::CIniFile ini;
    if (!ini.OpenReadWrite(path)) return 0;
    std::string value;
    int number = 0;
    for (const char* name : {"upexe", "ver", "exe", "", "="}) {
        ini.ReadString(name, name, value);
        ini.ReadInt(name, "n", number);
    }
    ini.FindLine("[");
    return 0;
}
