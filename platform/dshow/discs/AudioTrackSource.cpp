#include "dshow/discs/AudioTrackSource.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/WideText.h"
#include "dshow/discs/TrackReader.h"

#include <algorithm>
#include <vector>

const CLSID CLSID_AudioTrackSource = {0xA5243ECF, 0xC4AB, 0x42CB, {0x9A, 0x4B, 0xEA, 0xC9, 0x0C, 0xE0, 0xDB, 0x19}};

HRESULT CAudioTrackSource::Create(REFIID iid, void** object)
{
    return CreateComObject<CAudioTrackSource>(iid, object);
}

CAudioTrackSource::CAudioTrackSource() : CPushSource(CLSID_AudioTrackSource) {}

CAudioTrackSource::~CAudioTrackSource()
{
    OnStop();
}

void* CAudioTrackSource::FindInterface(REFIID iid)
{
    if (iid == IFileSourceFilter::kIid) return static_cast<IFileSourceFilter*>(this);
    if (iid == IAudioTrackDrive::kIid) return static_cast<IAudioTrackDrive*>(this);
    return CPushSource::FindInterface(iid);
}

HRESULT CAudioTrackSource::Open(std::unique_ptr<CTrackReader> reader)
{
    if (m_reader) return E_UNEXPECTED;
    if (!reader) return VFW_E_INVALID_FILE_FORMAT;
    m_reader = std::move(reader);
    m_pin = AddPin(PINDIR_OUTPUT, u"Audio");
    return S_OK;
}

HRESULT CAudioTrackSource::Load(LPCOLESTR file, const AM_MEDIA_TYPE*)
{
    if (!file) return E_POINTER;
    if (m_reader) return E_UNEXPECTED;
    const HRESULT hr = Open(CTrackReader::OpenWave(NarrowText(file)));
    if (SUCCEEDED(hr)) m_file = file;
    return hr;
}

HRESULT CAudioTrackSource::GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type)
{
    if (!file) return E_POINTER;
    *file = m_reader && !m_file.empty() ? CoTaskMemDupString(m_file.c_str()) : nullptr;
    if (type) *type = AM_MEDIA_TYPE{};
    return *file ? S_OK : E_FAIL;
}

HRESULT CAudioTrackSource::SetAdapterId(BYTE adapter)
{
    m_adapter = adapter;
    return S_OK;
}

HRESULT CAudioTrackSource::GetAdapterId(BYTE* adapter)
{
    if (!adapter) return E_POINTER;
    *adapter = m_adapter;
    return S_OK;
}

HRESULT CAudioTrackSource::SetScsiId(BYTE scsi)
{
    m_scsi = scsi;
    return S_OK;
}

HRESULT CAudioTrackSource::GetScsiId(BYTE* scsi)
{
    if (!scsi) return E_POINTER;
    *scsi = m_scsi;
    return S_OK;
}

HRESULT CAudioTrackSource::SetTrackNumber(BYTE track)
{
    m_track = track;
    // Drives are counted by adapter alone here: the SCSI id names no further device.
    return Open(CTrackReader::OpenDrive(m_adapter, m_track));
}

HRESULT CAudioTrackSource::GetTrackNumber(BYTE* track)
{
    if (!track) return E_POINTER;
    *track = m_track;
    return S_OK;
}

HRESULT CAudioTrackSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    return CheckOfferedType(pin, type);
}

HRESULT CAudioTrackSource::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (!m_reader || pin != m_pin || index != 0) return S_FALSE;
    MakePcmMediaType(type, m_reader->SampleRate(), m_reader->Channels(), m_reader->BitsPerSample());
    return S_OK;
}

REFERENCE_TIME CAudioTrackSource::TimeAt(uint64_t offset) const
{
    if (!m_reader || m_reader->BlockAlign() == 0) return 0;
    const uint64_t frames = offset / m_reader->BlockAlign();
    return REFERENCE_TIME(frames * uint64_t(kUnitsPerSecond) / m_reader->SampleRate());
}

REFERENCE_TIME CAudioTrackSource::MediaDuration()
{
    return m_reader ? TimeAt(m_reader->Length()) : 0;
}

HRESULT CAudioTrackSource::SeekTo(REFERENCE_TIME position)
{
    if (!m_reader) return E_UNEXPECTED;
    const uint64_t frame = uint64_t(std::max<REFERENCE_TIME>(0, position)) * m_reader->SampleRate() / kUnitsPerSecond;
    m_offset = std::min<uint64_t>(frame * m_reader->BlockAlign(), m_reader->Length());
    m_reader->Seek(m_offset);
    SetReached(position);
    return S_OK;
}

HRESULT CAudioTrackSource::ProduceNext()
{
    if (!m_reader || !m_pin) return S_FALSE;
    std::vector<BYTE> bytes;
    if (!m_reader->Read(bytes) || bytes.empty()) return S_FALSE;
    MediaSample sample;
    sample.data = bytes.data();
    sample.size = LONG(bytes.size());
    sample.hasTime = true;
    sample.start = TimeAt(m_offset);
    m_offset += bytes.size();
    sample.stop = TimeAt(m_offset);
    SetReached(sample.stop);
    const HRESULT hr = m_pin->IsConnected() ? m_pin->Deliver(sample) : S_OK;
    return hr == S_OK && PastStop(sample.stop) ? S_FALSE : hr;
}
