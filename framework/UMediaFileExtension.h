#pragma once
// The file extension of an output container type or still-image format ("err" when unknown).
#include "MediaTypes.h"
#include "afx/CString.h"

class UMediaFileExtension {
public:
    static CString GetAudioFileExtension(ESplitterType type);
    static CString GetVideoFileExtension(ESplitterType type);
    // A relative path in the folder Images ("Images/n.jpg"), for a format named "BMP", "GIF", "JPG" or "JPEG".
    static CString GetImageFileExtension(const char* format);
};
