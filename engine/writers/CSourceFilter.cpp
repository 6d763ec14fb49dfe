#include "CSourceFilter.h"

#include "CFilterPin.h"
#include "ConstGuid.h"
#include "UDirectShowUtils.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DShowTypes.h"

namespace {

constexpr GUID kDvdEncryptedPack = ConstGuid("ED0B916A-044D-11D1-AA78-00C04FC31D60");
constexpr GUID kSubtitle = ConstGuid("E487EB08-6B26-4BE9-9DD3-993434D313FD");
constexpr GUID kMpeg2Video = ConstGuid("E06D8026-DB46-11CF-B4D1-00805F6CBBEA");
constexpr GUID kDvdAudioSubtypes[] = {
    ConstGuid("E06D802C-DB46-11CF-B4D1-00805F6CBBEA"), // Dolby AC-3
    ConstGuid("E06D802B-DB46-11CF-B4D1-00805F6CBBEA"), // MPEG-2 audio
    ConstGuid("E06D8032-DB46-11CF-B4D1-00805F6CBBEA"), // DVD LPCM
    ConstGuid("E06D8033-DB46-11CF-B4D1-00805F6CBBEA"), // DTS
    ConstGuid("E06D8034-DB46-11CF-B4D1-00805F6CBBEA"), // SDDS
};

enum class PinKind { None, Stream, Video, Audio, Subtitle };

PinKind KindOf(const GUID& major, const GUID& subtype)
{
    if (major == MEDIATYPE_Video) return PinKind::Video;
    if (major == MEDIATYPE_Audio) return PinKind::Audio;
    if (major == kDvdEncryptedPack) {
        if (subtype == kMpeg2Video) return PinKind::Video;
        for (const GUID& audio : kDvdAudioSubtypes)
            if (subtype == audio) return PinKind::Audio;
        return PinKind::None;
    }
    if (major == kSubtitle || major == MEDIATYPE_Text) return PinKind::Subtitle;
    return PinKind::Stream;
}

const char* TagOf(PinKind kind)
{
    switch (kind) {
    case PinKind::Video: return "Video Output";
    case PinKind::Audio: return "Audio Output";
    case PinKind::Subtitle: return "Subtitle Output";
    default: return "Stream Output";
    }
}

void DeletePins(std::vector<CFilterPin*>& pins)
{
    for (CFilterPin* pin : pins) {
        pin->Release();
        delete pin;
    }
    pins.clear();
}

} // namespace

CSourceFilter::CSourceFilter(CDirectShowGraph* graph, const char* name)
{
    SetGraph(graph);
    SetName(name);
}

CSourceFilter::~CSourceFilter()
{
    ReleasePins();
}

void CSourceFilter::Release()
{
    ReleasePins();
    CDirectShowFilter::Release();
}

void CSourceFilter::ReleasePins()
{
    DeletePins(m_streamPins);
    DeletePins(m_videoPins);
    DeletePins(m_audioPins);
    DeletePins(m_subtitlePins);
}

void CSourceFilter::WalkPins()
{
    if (!m_streamPins.empty() || !m_videoPins.empty() || !m_audioPins.empty() || !m_subtitlePins.empty()) return;
    if (!GetFilter()) return;
    UDirectShowUtils::VisitPins(GetFilter(), PINDIR_OUTPUT, [this](IPin* pin) {
        GUID subtype{};
        const GUID major = UDirectShowUtils::FindAcceptedMediaType(pin, subtype);
        const PinKind kind = KindOf(major, subtype);
        if (kind == PinKind::None) return false;
        auto* wrapper = new CFilterPin(this, TagOf(kind), false);
        wrapper->SetPin(pin);
        switch (kind) {
        case PinKind::Video: m_videoPins.push_back(wrapper); break;
        case PinKind::Audio: m_audioPins.push_back(wrapper); break;
        case PinKind::Subtitle: m_subtitlePins.push_back(wrapper); break;
        default: m_streamPins.push_back(wrapper); break;
        }
        return false;
    });
}

CFilterPin* CSourceFilter::PinOf(std::vector<CFilterPin*>& list, int index)
{
    WalkPins();
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return list[static_cast<size_t>(index)];
}

int CSourceFilter::GetStreamPinCount()
{
    WalkPins();
    return static_cast<int>(m_streamPins.size());
}

CFilterPin* CSourceFilter::GetStreamPin(int index)
{
    return PinOf(m_streamPins, index);
}

int CSourceFilter::GetVideoPinCount()
{
    WalkPins();
    return static_cast<int>(m_videoPins.size());
}

CFilterPin* CSourceFilter::GetVideoPin(int index)
{
    return PinOf(m_videoPins, index);
}

int CSourceFilter::GetAudioPinCount()
{
    WalkPins();
    return static_cast<int>(m_audioPins.size());
}

CFilterPin* CSourceFilter::GetAudioPin(int index)
{
    return PinOf(m_audioPins, index);
}

int CSourceFilter::GetSubtitlePinCount()
{
    WalkPins();
    return static_cast<int>(m_subtitlePins.size());
}

CFilterPin* CSourceFilter::GetSubtitlePin(int index)
{
    return PinOf(m_subtitlePins, index);
}

bool CSourceFilter::HasMediaPins()
{
    return GetVideoPinCount() + GetAudioPinCount() > 0;
}
