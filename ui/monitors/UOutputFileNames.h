#pragma once
// How conversions name their output files: the extension of an output type, and the name
// an input file, a DVD title or the portable player's sequence gives.
#include "EMediaOutput.h"
#include "afx/CString.h"

class CMediaFile2;

class UOutputFileNames {
public:
    // The type's audio extension, or its video extension at the variant; empty when unknown.
    static CString GetOutputExtension(ESplitterType type, bool audioOnly, bool variant);
    // Sets the file's output path; the folder, when given, goes in front of the name.
    static void SetOutputFileName(CMediaFile2* file, const char* folder, ESplitterType type, bool audioOnly,
                                  bool variant);
    // "M4V" and a number from 10001 to 99999, then ".MP4".
    static bool IsPortablePlayerName(const char* name);
};
