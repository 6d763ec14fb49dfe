#pragma once
// Addresses of the maker's web service for applications.
#include "afx/CString.h"

class UMorvaneWeb {
public:
    // The service's site with a trailing slash; "Api" in section "Link" of "links.ini"
    // moves it, as it does the other web addresses.
    static CString GetApiUrl();
    static CString GetFileName();
    // "version/" and the file name.
    static CString GetApiAppVersionPath();
    // The maker's page on major-version upgrades.
    static CString GetUpgradeInfoUrl();
};
