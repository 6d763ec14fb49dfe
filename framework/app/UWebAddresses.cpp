#include "UWebAddresses.h"

#include "CIniProfile.h"
#include "CRegistry.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"

#include <string>

namespace {
constexpr const char* kDefaultAddress = "http://www.morvane.com/";
}

CString UWebAddresses::GetDxDownloadAddress() { return GetAddressByTag("Download DX"); }
CString UWebAddresses::GetWmfDownloadAddress() { return GetAddressByTag("Download WMF"); }
CString UWebAddresses::GetAspiDownloadAddress() { return GetAddressByTag("Download ASPI"); }
CString UWebAddresses::GetOggVorbisDownloadAddress() { return GetAddressByTag("Download OGG Vorbis"); }
CString UWebAddresses::GetAc3DownloadAddress() { return GetAddressByTag("Download AC3"); }
CString UWebAddresses::GetDivxDownloadAddress() { return GetAddressByTag("Download Divx"); }
CString UWebAddresses::GetQuickTimeDownloadAddress() { return GetAddressByTag("Download QT"); }
CString UWebAddresses::GetTtsEngineDownloadAddress() { return GetAddressByTag("Download TTS English"); }
CString UWebAddresses::GetXvidDownloadAddress() { return GetAddressByTag("Download Xvid"); }
CString UWebAddresses::GetLameAcmDownloadAddress() { return GetAddressByTag("Download Lame"); }
CString UWebAddresses::Get3ivxDownloadAddress() { return GetAddressByTag("Download 3ivx"); }
CString UWebAddresses::GetffdShowDownloadAddress() { return GetAddressByTag("Download ffdShow"); }
CString UWebAddresses::GetRealAlternativeDownloadAddress() { return GetAddressByTag("Download Real Alternative"); }
CString UWebAddresses::GetMatroskaDownloadAddress() { return GetAddressByTag("Download Matroska"); }

CString UWebAddresses::GetApplicationAddress(unsigned long id)
{
    return GetAddressByTag(UApplicationUtils::GetShortApplicationName(id));
}

CString UWebAddresses::GetProductAddress()
{
    if (StApplicationId::sId) return GetApplicationAddress(StApplicationId::Id());
    return GetDefaultAddress();
}

CString UWebAddresses::GetDefaultAddress() { return CString(kDefaultAddress); }

CString UWebAddresses::GetAddressByTag(const char* tag)
{
    const std::string path = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
    CIniProfile profile;
    profile.SetIniFile(path.c_str());
    // The tag names the section and "Link" holds its address, beside the links menu's keys.
    CRegistry link(tag ? tag : "", "Link", &profile);
    CString address(link.GetTextValue(""));
    if (address.IsEmpty()) {
        address = GetDefaultAddress();
        UDirectoryUtils::EstablishPath(path.c_str());
        link.SetTextValue(address);
    }
    return address;
}
