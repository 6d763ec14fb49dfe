// Drops N file names that all name missing files on the converter's file list, as a user
// drops them: the files are checked, refused, and listed in the failed files dialog, which
// is closed with OK. Aim: 100,000 names well under 5 s.
// Then, on a list of N accepted files: selecting every row, and removing every row (the
// user's Remove on all rows selected, and Clear).
#include "CConversionBatch.h"
#include "CConversionList.h"
#include "CMediaConversionData.h"
#include "CFailedFilesDialog.h"
#include "CMediaConversionListControl.h"
#include "CMediaFileVerifier.h"
#include "StDirectShow.h"
#include "afx/windows/CWnd.h"
#include "win32/TestHome.h"
#include "win32/controls/CommCtrl.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

MvTestHome& Home()
{
    static MvTestHome home;
    return home;
}

void DropMissingFiles(benchmark::State& state)
{
    Home();
    StDirectShow com;
    const int count = int(state.range(0));
    const std::filesystem::path folder = std::filesystem::path(Home().Path()) / "missing";
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) paths.push_back((folder / ("missing" + std::to_string(i) + ".wav")).string());

    CWnd parent;
    parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 400), nullptr, 0);
    CMediaConversionListControl list(true, true, false);
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 880, 380), &parent, 100);
    CConversionBatch batch;
    list.SetObject(&batch.GetConversionList());

    for (auto _ : state) {
        int refused = -1;
        MvScriptModal([&](HWND dialog) {
            refused = int(::SendMessageA(::GetDlgItem(dialog, CFailedFilesDialog::kList), LVM_GETITEMCOUNT, 0, 0));
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        if (!MvDropFiles(list.GetSafeHwnd(), paths, POINT{40, 40})) state.SkipWithError("the drop was not taken");
        const bool done = MvPumpUntil(
            [&] { return refused >= 0 && !list.GetVerifier().GetWorker().IsRunning(); }, 600000);
        if (!done || refused != count) state.SkipWithError("not every file was listed as refused");
    }
    state.counters["files/s"] = benchmark::Counter(double(count) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    list.SetObject(nullptr);
    list.DestroyWindow();
    parent.DestroyWindow();
    MvPumpUntilIdle();
}

// The converter's list with N files, as a drop of N good files leaves it.
struct SFilledList {
    explicit SFilledList(int count)
    {
        Home();
        parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 400), nullptr, 0);
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 880, 380), &parent, 100);
        list.SetObject(&batch.GetConversionList());
        Fill(count);
    }
    ~SFilledList()
    {
        list.SetObject(nullptr);
        list.DestroyWindow();
        parent.DestroyWindow();
        MvPumpUntilIdle();
    }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i) batch.GetConversionList().AddFile(new CMediaConversionData);
    }
    void SelectAll(bool selected)
    {
        list.SetItemState(-1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }

    StDirectShow com;
    CWnd parent;
    CMediaConversionListControl list{true, true, false};
    CConversionBatch batch;
};

void SelectAllFiles(benchmark::State& state)
{
    const int count = int(state.range(0));
    SFilledList filled(count);
    for (auto _ : state) {
        filled.SelectAll(true);
        state.PauseTiming();
        if (filled.list.GetSelectionCount() != count) state.SkipWithError("not every row was selected");
        filled.SelectAll(false);
        state.ResumeTiming();
    }
}

void RemoveAllFiles(benchmark::State& state)
{
    const int count = int(state.range(0));
    const bool clear = state.range(1) != 0;
    SFilledList filled(0);
    for (auto _ : state) {
        state.PauseTiming();
        filled.Fill(count);
        if (!clear) filled.SelectAll(true);
        state.ResumeTiming();
        if (clear)
            filled.list.Clear();
        else
            filled.list.Remove();
        if (filled.list.GetItemCount() != 0 || filled.batch.GetConversionList().GetFileCount() != 0)
            state.SkipWithError("rows are left");
    }
}

} // namespace

BENCHMARK(SelectAllFiles)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RemoveAllFiles)
    ->ArgNames({"files", "clear"})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(DropMissingFiles)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
