#pragma once
// Why a file was refused, for the user: what it seems to be and what to install, from its
// extension, the filters the engine used and its tracks.
#include "afx/CString.h"

class CMediaFile2;

class UFailureTexts {
public:
    // "Unknown error" without a file; the file's name stands in for "%s".
    static CString GetFailureText(CMediaFile2* file, bool audio, bool video, bool audioRequired);
};
