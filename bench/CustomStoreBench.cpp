// What a full store of the user's own sizes (86 of each of the eight types) costs at start: the
// pages reading it, and the editor reading and rewriting it.
#include <benchmark/benchmark.h>

#include "custom/DINGYICAILIAO.h"
#include "settings/Cp936.h"
#include "tests/support/FakeProcessStarter.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

std::string FullStore() {
    std::string text;
    for (const CustomSource& source : kCustomSources) {
        text += std::string("[") + source.section + "]\r\n";
        for (int n = 1; n <= kMaxCustomEntries; ++n) {
            const std::string i = std::to_string(n);
            text += "型号" + i + "=∠" + i + "×4\r\n";
            if (source.hasSpec) text += "规格" + i + "=" + i + "×50×5\r\n";
            text += "单重" + i + "=" + i + ".25\r\n";
        }
    }
    return Utf8ToCp936(text);
}

void BM_PagesReadAFullStore(benchmark::State& state) {
    const std::string store = FullStore();
    for (auto _ : state) {
        MainWindowFixture f;
        f.files.files[MainWindowFixture::kSettingsPath] = store;
        f.Start();
    }
}
BENCHMARK(BM_PagesReadAFullStore)->Unit(benchmark::kMillisecond);

void BM_EditorStartsOnAFullStore(benchmark::State& state) {
    const std::string store = FullStore();
    for (auto _ : state) {
        MemorySurface surface;
        MemoryFileSystem files;
        files.files[MainWindowFixture::kSettingsPath] = store;
        SettingsFile settings(files, MainWindowFixture::kSettingsPath);
        FakeProcessStarter processes;
        CDINGYICAILIAO editor(surface, settings, processes, "", [] {});
        editor.OnInitDialog();
    }
}
BENCHMARK(BM_EditorStartsOnAFullStore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mw
