#include "CDirectShowFilter.h"

#include "com/Guid.h"
#include "win32/settings/Registry.h"
#include "win32/TestHome.h"
#include "win32/WinError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

const GUID kFilterId = {0x6A2C0101, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 1, 1}};
const GUID kCodecId = {0x6A2C0102, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 1, 2}};

void SetText(HKEY root, const std::string& path, const char* name, const char* value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), DWORD(std::strlen(value) + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::string ServerKey(const GUID& id)
{
    return "SOFTWARE\\Classes\\CLSID\\" + GuidToText(id) + "\\InprocServer32";
}

} // namespace

TEST(ComponentPathTest, FilterAndCompressorFilesComeFromTheRegistry)
{
    MvTestHome home;
    CDirectShowFilter filter;
    filter.SetId(kFilterId);
    EXPECT_EQ(filter.GetComponentFilePath(), CString());
    SetText(HKEY_LOCAL_MACHINE, ServerKey(kFilterId), "", "/opt/filters/tone.ax");
    EXPECT_EQ(filter.GetComponentFilePath(), CString("/opt/filters/tone.ax"));
    // A file without any version information has no version.
    EXPECT_EQ(filter.GetVersion(), CString());
    // One with a version record gives its file version.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    SetText(HKEY_LOCAL_MACHINE, ServerKey(kFilterId), "", self.c_str());
    EXPECT_EQ(filter.GetVersion(), CString(MV_PROJECT_VERSION));
    EXPECT_EQ(CDirectShowFilter::GetFileVersion(self.c_str()), CString(MV_PROJECT_VERSION));

    // Compressors: the user's device cache names the class of each friendly name.
    SetText(HKEY_CURRENT_USER, "Software\\Microsoft\\Protected Storage System Provider\\S-1-5-21-7", "x", "");
    const std::string cache = "S-1-5-21-7\\Software\\Microsoft\\ActiveMovie\\devenum\\{33D9A760-90C8-11D0-BD43-00A0C911CE86}";
    SetText(HKEY_USERS, cache + "\\one", "FriendlyName", "Tone Codec Pro");
    SetText(HKEY_USERS, cache + "\\one", "CLSID", GuidToText(kFilterId).c_str());
    SetText(HKEY_USERS, cache + "\\two", "FriendlyName", "Tone Codec");
    SetText(HKEY_USERS, cache + "\\two", "CLSID", GuidToText(kCodecId).c_str());
    SetText(HKEY_LOCAL_MACHINE, ServerKey(kCodecId), "", "/opt/filters/codec.ax");
    CDirectShowFilter vcm;
    vcm.SetId(GUID{}, false, true, false);
    vcm.SetCompressorNames("Tone Codec");
    EXPECT_EQ(vcm.GetComponentFilePath(), CString("/opt/filters/codec.ax")); // exact name only
    EXPECT_EQ(CDirectShowFilter::GetVcmFilePath("Tone"), CString());
    // The audio category's cache is empty.
    EXPECT_EQ(CDirectShowFilter::GetAcmFilePath("Tone Codec"), CString());
}
