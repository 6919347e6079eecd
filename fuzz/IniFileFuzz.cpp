// Fuzz target: an update list of any content read through CIniFile, and judged by the rules that
// refuse a list: whatever is accepted names only plain files, at most 100 of them, the new
// executable among them, and a well-formed digest for each when there are digests.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/ProgramFiles.h"
#include "update/FtpGet.h"
#include "update/UpdateList.h"
#include "settings/IniFile.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckAccepted(const mw::UpdateList& list) {
    Require(list.files.size() <= static_cast<std::size_t>(mw::FtpClient::kMaxFiles));
    bool exeListed = false;
    for (std::size_t i = 0; i < list.files.size(); ++i) {
        const std::string& name = list.files[i];
        Require(mw::IsPlainFileName(name));
        Require(name.find_first_of("\\/:") == std::string::npos && name != "." && name != "..");
        Require(!mw::IsKeptFileName(name, "MaterialWeight.exe", mw::ProgramFiles()));
        for (std::size_t k = 0; k < i; ++k) Require(!mw::SameFileName(name, list.files[k]));
        exeListed = exeListed || mw::SameFileName(name, list.exe);
    }
    Require(exeListed && mw::IsPlainFileName(list.exe));
    Require(list.digests.empty() || list.digests.size() == list.files.size());
    for (const std::string& digest : list.digests)
        Require(digest.size() == 64 && digest.find_first_not_of("0123456789abcdef") == std::string::npos);
}

}  // namespace

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

    mw::UpdateList list;
    if (mw::ReadUpdateList(ini, "MaterialWeight.exe", mw::ProgramFiles(), list) == mw::ListRefusal::None)
        CheckAccepted(list);
    return 0;
}
