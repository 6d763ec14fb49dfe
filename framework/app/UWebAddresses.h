#pragma once
// Web addresses for named purposes, read from "links.ini" so they change without a new build.
#include "afx/CString.h"

class UWebAddresses {
public:
    static CString GetDxDownloadAddress();
    static CString GetWmfDownloadAddress();
    static CString GetAspiDownloadAddress();
    static CString GetOggVorbisDownloadAddress();
    static CString GetAc3DownloadAddress();
    static CString GetDivxDownloadAddress();
    static CString GetQuickTimeDownloadAddress();
    static CString GetTtsEngineDownloadAddress();
    static CString GetXvidDownloadAddress();
    static CString GetLameAcmDownloadAddress();
    static CString Get3ivxDownloadAddress();
    static CString GetffdShowDownloadAddress();
    static CString GetRealAlternativeDownloadAddress();
    static CString GetMatroskaDownloadAddress();
    static CString GetApplicationAddress(unsigned long id);
    // The current application's page, or the default address without an application id.
    static CString GetProductAddress();
    // The address under key "Link" of the tag's section; an empty one becomes the default, written back.
    static CString GetAddressByTag(const char* tag);
    static CString GetDefaultAddress();
};
