#pragma once
// The standard filter lists of the media prompts.
#include "MediaTypes.h"

class CFilePrompter;

class UFilePrompterTypes {
public:
    // kind 1 video files, 2 media (type 1 video, 2 audio, else all), 8 images; other kinds add nothing.
    static void FillOpenPrompter(CFilePrompter* prompter, long type, long kind);
    // The one filter of an output container of type 1 (video) or 2 (audio).
    static void FillSavePrompter(CFilePrompter* prompter, long type, ESplitterType container);
};
