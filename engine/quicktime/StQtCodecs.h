#pragma once
// The codecs QuickTime offers for one output file type, with QuickTime's file type.
#include "CThirdPartyFormat.h"
#include "FourCharCode.h"

#include <initializer_list>
#include <utility>

class StQtCodecs : public CThirdPartyFormat {
public:
    StQtCodecs(ESplitterType type, ULONG fileType);

    ULONG GetFileType() const { return m_fileType; }

    static constexpr const char* kDvAudioText = "DV Audio";
    static constexpr const char* kDvVideoText = "DV Video";
    static constexpr const char* kDvPalText = "DV - PAL";
    static constexpr const char* kDvNtscText = "DV - NTSC";

    // The four-character code of a text of four characters.
    static constexpr ULONG Code(const char (&text)[5]) { return ULONG(FourCharCode(text)); }

protected:
    void AddStandardCodecs();
    void AddPcm();
    void AddAAC();
    void AddAppleLossless();
    void AddQDesign();
    void AddQualcommPureVoice();
    void AddQcelp();
    void AddH264();
    // AAC, MPEG-4 video, H.263 of that display name and sizes, and H.264 when supported.
    void Add3gpCodecs(const char* h263DisplayName,
                      std::initializer_list<std::pair<unsigned short, unsigned short>> sizes);
    // A row of the standard list by its name, as the standard list has it.
    void AddStandardAudio(const char* name);
    CVideoCodecInfo* AddStandardVideo(const char* name);

private:
    ULONG m_fileType;
};
