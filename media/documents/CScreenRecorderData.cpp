#include "CScreenRecorderData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CScreenRecorderData, CMediaWriter2, FourCharCode("scrd"))

namespace {
const char* const kRecorderTag = "Screen Recorder";
const char* const kHotKeyTags[] = {"record hot key", "pause hot key", "stop hot key"};
const char* const kApplicationTag = "application";
// Ctrl+Enter, Ctrl+End, Ctrl+Space.
const unsigned char kHotKeyCodes[] = {13, 35, 32};
}

CScreenRecorderData::CScreenRecorderData()
{
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput());
    for (int i = 0; i < kHotKeyCount; ++i) {
        m_hotKeys[i].SetCtl(true);
        m_hotKeys[i].SetAlt(false);
        m_hotKeys[i].SetShift(false);
        m_hotKeys[i].SetKeyCode(kHotKeyCodes[i]);
    }
}

void CScreenRecorderData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaWriter2::SaveSelf(name, storage);
    m_recorder.Save(kRecorderTag, storage);
    for (int i = 0; i < kHotKeyCount; ++i) m_hotKeys[i].Save(kHotKeyTags[i], storage);
    m_appControl.Save(kApplicationTag, storage);
}

void CScreenRecorderData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaWriter2::LoadSelf(name, storage);
    m_recorder.Load(kRecorderTag, storage);
    for (int i = 0; i < kHotKeyCount; ++i) m_hotKeys[i].Load(kHotKeyTags[i], storage);
    m_appControl.Load(kApplicationTag, storage);
    CMediaOutput2& output = GetMediaOutput();
    output.SetWantsVideo(true);
    output.GetVideoOutput().SetGreyScale(false);
    output.GetVideoOutput().SetKeepFrameRate(true);
    output.GetVideoOutput().SetKeepSize(true);
}

const char* CScreenRecorderData::Validate()
{
    const char* error = CMediaWriter2::Validate();
    if (error && *error) return error;
    return m_recorder.Validate();
}

CHotKey2* CScreenRecorderData::GetHotKey(int index)
{
    return index >= 0 && index < kHotKeyCount ? &m_hotKeys[index] : nullptr;
}
