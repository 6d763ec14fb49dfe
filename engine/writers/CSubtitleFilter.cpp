#include "CSubtitleFilter.h"

#include "CFilterPin.h"
#include "EncoderSetIds.h"
#include "dshow/DShowTypes.h"

CSubtitleFilter::CSubtitleFilter(CDirectShowGraph* graph, const char* name)
    : m_videoIn(new CFilterPin(this, "Video", true)), m_subtitleIn(new CFilterPin(this, "Input", true)),
      m_output(new CFilterPin(this, "Output", false))
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_SubtitleMixer);
    SetSecondId(CLSID_SubtitleMixer2);
    NamePins();
}

CSubtitleFilter::~CSubtitleFilter()
{
    CSubtitleFilter::Release();
    delete m_videoIn;
    delete m_subtitleIn;
    delete m_output;
}

void CSubtitleFilter::Release()
{
    m_subtitleIn->Release();
    m_output->Release();
    m_videoIn->Release();
    CDirectShowFilter::Release();
}

void CSubtitleFilter::SwitchPinNaming()
{
    m_otherNaming = !m_otherNaming;
    NamePins();
}

void CSubtitleFilter::NamePins()
{
    m_videoIn->Release();
    m_subtitleIn->Release();
    m_output->Release();
    if (!m_otherNaming) {
        // The video pin is named "Video", the subtitle pin "Input".
        m_videoIn->SearchTag("Video", true);
        m_subtitleIn->SearchTag("Input", true);
    } else {
        // Pins by position: the video first, the subtitle second.
        m_videoIn->SearchTag("", false);
        m_videoIn->SetIndex(0);
        m_subtitleIn->SearchTag("", false);
        m_subtitleIn->SetIndex(1);
    }
    m_output->SearchTag("", false);
    m_output->SetMediaType(MEDIATYPE_Video, GUID{});
}
