// The cutting plan window on in-memory controls beside the main window, its solver answering at
// once on the calling thread.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "cutplan/CutPlanDlg.h"
#include "cutplan/CutSolver.h"
#include "tests/support/FakeExports.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {

inline constexpr const char* kJobPath = "/app/CutJobKq.txt";

struct FakePaste : ClipboardReader {
    std::optional<std::string> ReadText() override { return text; }
    std::optional<std::string> text;
};

// Solves at once on the calling thread, as the window's thread would receive it.
struct InlineRunner : CutSolveRunner {
    void Start(const CutJob& job) override {
        ++starts;
        if (hold) return;  // still solving, as on its own thread
        PackControl control;
        control.seconds = 1;
        if (window) window->OnSolved(SolveCutJob(job, control));
    }
    void Cancel() override { ++cancels; }
    CCutPlanDlg* window = nullptr;
    int starts = 0, cancels = 0;
    bool hold = false;
};

// The open and save dialogs answer as set; the files are the fixture's memory.
struct FakeJobFiles : CutJobFiles {
    explicit FakeJobFiles(MemoryFileSystem& files) : files(files) {}
    std::optional<std::string> AskOpenPath() override { return openAnswer; }
    std::optional<std::string> AskSavePath(const std::string& suggestedName) override {
        suggested = suggestedName;
        return saveAnswer;
    }
    bool Exists(const std::string& path) override { return files.Exists(path); }
    bool Read(const std::string& path, std::string& bytes) override { return files.ReadFile(path, bytes); }
    bool Write(const std::string& path, const std::string& bytes) override { return files.ReplaceWhole(path, bytes); }
    MemoryFileSystem& files;
    std::optional<std::string> openAnswer, saveAnswer;
    std::string suggested;
};

struct CutPlanDlg : testing::Test, MainWindowFixture {
    CutPlanDlg() {
        Start();
        Open(cut, cutSurface);
    }
    void Open(std::unique_ptr<CCutPlanDlg>& window, MemorySurface& on) {
        window = std::make_unique<CCutPlanDlg>(on, jobFile, weights, cutClipboard, paste, exports,
                                               runner,
                                               CutPlanServices{[this] { return dlg.ShownMaterial(); },
                                                               [this] { return dlg.NowText(); }, &jobDialogs,
                                                               &settings.Store(), &offcuts});
        runner.window = window.get();
        on.Bind(window.get());
        window->OnInitDialog();
    }
    void AddStock(const std::string& length, const std::string& count = "", const std::string& price = "") {
        cutSurface.Type(IDC_CUT_STOCK_LENGTH, length);
        cutSurface.Type(IDC_CUT_STOCK_COUNT, count);
        cutSurface.Type(IDC_CUT_STOCK_PRICE, price);
        cutSurface.Click(IDC_CUT_STOCK_ADD);
    }
    void AddPiece(const std::string& length, const std::string& count) {
        cutSurface.Type(IDC_CUT_PIECE_LENGTH, length);
        cutSurface.Type(IDC_CUT_PIECE_COUNT, count);
        cutSurface.Click(IDC_CUT_PIECE_ADD);
    }
    std::string LastMessage() const { return cutSurface.messages.empty() ? "" : cutSurface.messages.back().text; }

    MemorySurface cutSurface;
    MemoryClipboard cutClipboard;
    FakePaste paste;
    FakeExports exports;
    InlineRunner runner;
    CutJobFile jobFile{files, kJobPath};
    FakeJobFiles jobDialogs{files};
    OffcutStock offcuts{files, "/app/CutOffcutsKq.txt"};
    std::unique_ptr<CCutPlanDlg> cut;
};

}  // namespace mw
