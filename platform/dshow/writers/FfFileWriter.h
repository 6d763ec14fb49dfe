#pragma once
// The ff writers: MPEG-1 system streams, MP4 for the portable player, SWF and FLV, each
// encoding both streams with the codecs and bitrates it is given.
#include "dshow/MediaFileWriter.h"
#include "dshow/interfaces/MpegWriterInterfaces.h"

#include <atomic>

class CFfFileWriter : public CMediaFileWriter, public IffWriterCodecs, public IffWriterBitrates {
public:
    explicit CFfFileWriter(const FileWriterKind& kind);
    MV_FILTER_UNKNOWN

    HRESULT SetVideoCodec(LONG codecId) override;
    HRESULT SetAudioCodec(LONG codecId) override;
    HRESULT SetVideoBitrate(LONG bitrate) override;
    HRESULT SetAudioBitrate(LONG bitrate) override;

protected:
    void* FindInterface(REFIID iid) override;
    SStreamEncoding EncodingOf(CBasePin* pin, bool video) const override;

private:
    std::atomic<LONG> m_videoCodec{0};
    std::atomic<LONG> m_audioCodec{0};
    std::atomic<LONG> m_videoBitrate{0};
    std::atomic<LONG> m_audioBitrate{0};
};

void DShowRegisterFfWriters();
