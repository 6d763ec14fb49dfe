// Loads settings files the way the programs load their "Data.xml": a 1 MB file of FTP records,
// and a small file whose list count was damaged to two billion. Aim: each under 50 ms.
#include "CFtpInfo2.h"
#include "CPersistList.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"
#include "win32/TestHome.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

MvTestHome& Home()
{
    static MvTestHome home;
    return home;
}

// A list of FTP records saved until the file passes 1 MB; its size in bytes.
uintmax_t WriteLargeFile(const char* name)
{
    CPersistList list;
    char text[64];
    for (int i = 0; i < 100000; ++i) {
        auto* ftp = new CFtpInfo2;
        std::snprintf(text, sizeof text, "ftp%d.example.org", i);
        ftp->SetServer(text);
        ftp->SetUserName("uploader");
        ftp->SetPassword("not a real password");
        std::snprintf(text, sizeof text, "/incoming/%d/audio", i);
        ftp->SetPath1(text);
        ftp->SetPath2("/incoming/video");
        list.Add(ftp);
        if (i % 500 == 499) {
            UPersistStorage::DefaultSave(list, "Settings", name);
            uintmax_t size = std::filesystem::file_size(std::string(UDirectoryUtils::GetUserAppDataDirectory()) + name);
            if (size >= (1u << 20)) return size;
        }
    }
    return 0;
}

void LoadOneMegabyte(benchmark::State& state)
{
    Home();
    const uintmax_t size = WriteLargeFile("Large.xml");
    CPersistList list;
    for (auto _ : state) {
        if (!UPersistStorage::DefaultLoad(list, "Settings", "Large.xml")) state.SkipWithError("the file did not load");
        benchmark::DoNotOptimize(list.GetItemCount());
    }
    state.counters["file bytes"] = double(size);
    state.counters["records"] = list.GetItemCount();
}

void LoadDamagedCount(benchmark::State& state)
{
    Home();
    const std::string path = std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "Damaged.xml";
    UDirectoryUtils::EstablishPath(path.c_str());
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Settings>\r\n<count>2000000000</count>\r\n";
    text += "<item_0>\r\n<obj_ver>2500</obj_ver>\r\n<server>ftp.example.org</server>\r\n</item_0>\r\n";
    text += "<type_0>1718906930</type_0>\r\n<obj_ver>2500</obj_ver>\r\n</Settings>\r\n";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    CPersistList list;
    for (auto _ : state) {
        UPersistStorage::DefaultLoad(list, "Settings", "Damaged.xml");
        benchmark::DoNotOptimize(list.GetItemCount());
    }
    state.counters["file bytes"] = double(text.size());
}

}

BENCHMARK(LoadOneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadDamagedCount)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
