#include "CCodecsInfo.h"

#include "CDirectShowSystem2.h"

#include "CPersistStorage.h"
#include "TSortedPersistList.h"
#include "UDataListUtils.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CCodecsInfo, CPersistObject, CCodecsInfo::kType)

namespace {

CString Lower(const char* text)
{
    CString lower(text ? text : "");
    lower.MakeLower();
    return lower;
}

const char* const kCodecsTag = "codecs";
const char kWindowsMediaPrefix[] = "Windows Media";

}  // namespace

CCodecsInfo::CCodecsInfo()
{
    m_codecs.SetChildClassId(CCodecInfo::kType);
    m_codecs.SetCompareFunction(ComparePersistNames<CCodecInfo, &CCodecInfo::GetDisplayName>);
}

void CCodecsInfo::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_codecs.Save(kCodecsTag, storage);
}

void CCodecsInfo::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_codecs.Load(kCodecsTag, storage);
    UDataListUtils::DropForeignItems(m_codecs, CCodecInfo::kType);
}

CCodecInfo* CCodecsInfo::GetCodec(int index) const
{
    return PersistListItem<CCodecInfo>(m_codecs, index);
}

void CCodecsInfo::RemoveCodec(CCodecInfo* codec)
{
    RemoveFromPersistList(m_codecs, codec);
}

template <typename Match>
CCodecInfo* CCodecsInfo::FindSupported(ESplitterType type, Match match) const
{
    return FindInPersistList<CCodecInfo>(m_codecs,
                                         [&](const CCodecInfo& c) { return c.IsSupported(type) && match(c); });
}

CCodecInfo* CCodecsInfo::FindCodec(ESplitterType type) const
{
    return FindSupported(type, [](const CCodecInfo& c) { return c.IsActivated(); });
}

CCodecInfo* CCodecsInfo::FindCodec(ESplitterType type, const char* name) const
{
    const CString wanted(name ? name : "");
    if (CCodecInfo* codec = FindSupported(type, [&](const CCodecInfo& c) { return wanted == c.GetDisplayName(); }))
        return codec;
    // A row of an engine the program drives itself (QuickTime, ffmpeg) is also known by that
    // engine's own codec name, the one the built-in device presets give.
    if (wanted.IsEmpty()) return nullptr;
    return FindSupported(type, [&](const CCodecInfo& c) { return c.GetVirtual() && wanted == c.GetDeviceName(); });
}

CString CCodecsInfo::GetDeviceName(ESplitterType type, const char* name) const
{
    const CCodecInfo* codec = FindCodec(type, name);
    return codec ? CString(codec->GetDeviceName()) : CString();
}

CCodecInfo* CCodecsInfo::FindCodecPartialName(ESplitterType type, const char* text) const
{
    const CString piece = Lower(text);
    return FindSupported(type, [&](const CCodecInfo& c) { return Lower(c.GetDisplayName()).Find(piece) >= 0; });
}

bool CCodecsInfo::ContainFilteredCodec(ESplitterType type, const char* text) const
{
    const char* piece = text ? text : "";
    return FindSupported(type, [&](const CCodecInfo& c) {
               return c.IsActivated() && Lower(c.GetDisplayName()).Find(piece) >= 0;
           }) != nullptr;
}

CCodecInfo* CCodecsInfo::FindCloseMatchCodec(ESplitterType type, const char* name) const
{
    const char* wanted = name ? name : "";
    const size_t wantedLength = std::strlen(wanted);
    return FindSupported(type, [&](const CCodecInfo& c) {
        const CString display(c.GetDisplayName());
        if (std::strncmp(display, kWindowsMediaPrefix, sizeof kWindowsMediaPrefix - 1) != 0) return false;
        const int dot = display.ReverseFind('.');
        size_t n = dot >= 0 ? size_t(dot) : size_t(display.GetLength());
        if (n > wantedLength) n = wantedLength;
        return std::strncmp(display, wanted, n) == 0;
    });
}

CCodecInfo* CCodecsInfo::FindEntry(const char* name, const char* deviceName, bool anyDeviceWhenEmpty) const
{
    const CString wantedName(name ? name : "");
    const CString wantedDevice(deviceName ? deviceName : "");
    return FindInPersistList<CCodecInfo>(m_codecs, [&](const CCodecInfo& c) {
        if (wantedName != c.GetDisplayName()) return false;
        if (wantedDevice == c.GetDeviceName()) return true;
        return anyDeviceWhenEmpty && (wantedDevice.IsEmpty() || *c.GetDeviceName() == 0);
    });
}

CCodecInfo* CCodecsInfo::AddEntry(CCodecInfo* codec, const char* name, const char* deviceName)
{
    codec->SetDisplayName(name ? name : "");
    codec->SetDeviceName(deviceName ? deviceName : "");
    m_codecs.Add(codec);
    return codec;
}

CCodecInfo* CCodecsInfo::Add(const char* name, const char* deviceName)
{
    if (CCodecInfo* found = FindEntry(name, deviceName, false)) return found;
    return AddEntry(new CCodecInfo, name, deviceName);
}

void CCodecsInfo::AddSystemCodecs(const GUID& category, LONG encoderControl)
{
    CDirectShowSystem2::IteratorThroughDevices(category, [&](IMoniker*, const char* friendlyName,
                                                             const char* displayName) {
        CCodecInfo* codec = Add(friendlyName, displayName);
        codec->SetEncoderControl(encoderControl);
        codec->Activate(true);
    });
}
