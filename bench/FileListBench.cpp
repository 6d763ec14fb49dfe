// Drops N file names that all name missing files on the converter's file list, as a user
// drops them: the files are checked, refused, and listed in the failed files dialog, which
// is closed with OK. Aim: 100,000 names well under 5 s.
#include "CConversionBatch.h"
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

} // namespace

BENCHMARK(DropMissingFiles)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
