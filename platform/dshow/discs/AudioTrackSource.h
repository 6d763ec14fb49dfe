#pragma once
// "Audio Track": the source of one audio CD track. It reads the track a drive address
// names (the n-th CD drive, its track) through the CD paranoia reader, or a track file
// given by path (a PCM WAVE file, as ripped tracks are kept). One PCM output pin.
#include "dshow/FileSource.h"
#include "dshow/PushSource.h"
#include "dshow/discs/DiscInterfaces.h"

#include <memory>
#include <string>

class CTrackReader;

class CAudioTrackSource : public CPushSource, public IFileSourceFilter, public IAudioTrackDrive {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAudioTrackSource();
    MV_FILTER_UNKNOWN

    HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) override;

    // The address is read when the track number arrives (adapter and SCSI id first).
    HRESULT SetAdapterId(BYTE adapter) override;
    HRESULT GetAdapterId(BYTE* adapter) override;
    HRESULT SetScsiId(BYTE scsi) override;
    HRESULT GetScsiId(BYTE* scsi) override;
    HRESULT SetTrackNumber(BYTE track) override;
    HRESULT GetTrackNumber(BYTE* track) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CAudioTrackSource() override;
    void* FindInterface(REFIID iid) override;
    HRESULT ProduceNext() override;
    HRESULT SeekTo(REFERENCE_TIME position) override;
    REFERENCE_TIME MediaDuration() override;

private:
    HRESULT Open(std::unique_ptr<CTrackReader> reader);
    REFERENCE_TIME TimeAt(uint64_t offset) const;

    std::unique_ptr<CTrackReader> m_reader;
    std::u16string m_file;
    CBasePin* m_pin = nullptr;
    BYTE m_adapter = 255;
    BYTE m_scsi = 0;
    BYTE m_track = 0;
    uint64_t m_offset = 0;
};

extern const CLSID CLSID_AudioTrackSource;
