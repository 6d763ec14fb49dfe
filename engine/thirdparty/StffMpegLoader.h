#pragma once
// The ffmpeg format table: the output formats the ffmpeg engine writes and their codecs.
// The first loader made is the process-wide one.
#include "CffMpegFormat.h"

#include <memory>
#include <vector>

class StffMpegLoader {
public:
    StffMpegLoader();
    StffMpegLoader(const StffMpegLoader&) = delete;
    StffMpegLoader& operator=(const StffMpegLoader&) = delete;
    ~StffMpegLoader();

    int GetFormatCount() const { return int(m_formats.size()); }
    CffMpegFormat* GetFormat(int index) const;
    CffMpegFormat* GetSplitterCodecs(ESplitterType type) const;
    CffMpegFormat* GetFormatTextCodecs(const char* text) const;

    static StffMpegLoader* sLoader;

private:
    void Load();
    CffMpegFormat* AddFormat(ESplitterType type, const char* text);
    static void AddFlashCodecs(CffMpegFormat& format);

    std::vector<std::unique_ptr<CffMpegFormat>> m_formats;
};
