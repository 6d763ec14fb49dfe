#pragma once
// The writers of the ff family (FLV, MPEG-1, MPEG-4 for the portable player, SWF): the
// filter encodes both streams itself with the codecs and bitrates given.
#include "CFileWriterFilter.h"

struct IffWriterBitrates;
struct IffWriterCodecs;

class CffWriter : public CFileWriterFilter {
public:
    enum EKind { kFlv, kMpeg1, kMpeg4Psp, kSwf };

    CffWriter(CDirectShowGraph* graph, const char* name, EKind kind);
    ~CffWriter() override;

    void Release() override;
    bool SetupBeforeConnect() override;

    EKind GetKind() const { return m_kind; }
    // The output file type the kind writes (2041, 2000, 2022, 2040).
    LONG GetSplitterType() const;
    void SetVideoCodecName(const char* name) { m_videoCodecName = name ? name : ""; }
    void SetAudioCodecName(const char* name) { m_audioCodecName = name ? name : ""; }
    void SetVideoBitrate(unsigned long bitrate) { m_videoBitrate = bitrate; }
    void SetAudioBitrate(unsigned long bitrate) { m_audioBitrate = bitrate; }

private:
    EKind m_kind;
    CString m_videoCodecName;
    CString m_audioCodecName;
    unsigned long m_videoBitrate = 256000;
    unsigned long m_audioBitrate = 128000;
    IffWriterCodecs* m_codecs = nullptr;
    IffWriterBitrates* m_bitrates = nullptr;
};
