#include "CDirectShowSystem2.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CFormatTypes.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeExportTypePersist.h"
#include "CQuickTimePersist.h"
#include "StApplicationId.h"
#include "StQtCodecs.h"
#include "UPersistStorage.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"
#include "StffMpegLoader.h"
#include "UStringBuffer.h"
#include "afx/CString.h"
#include "com/ComRuntime.h"
#include "com/OleAuto.h"
#include "dshow/DeviceInterfaces.h"

#include <memory>

bool CDirectShowSystem2::sNeedsVideo = true;
bool CDirectShowSystem2::sNeedsAudio = true;
bool CDirectShowSystem2::sNeedsVideoCapture = true;
bool CDirectShowSystem2::sNeedsAudioCapture = true;
bool CDirectShowSystem2::sLoadAvi = true;
bool CDirectShowSystem2::sLoadQt = true;
bool CDirectShowSystem2::sLoadWm = true;
bool CDirectShowSystem2::sLoadRm = true;
bool CDirectShowSystem2::sLoadLame = true;
bool CDirectShowSystem2::sLoadff = false;
const char* CDirectShowSystem2::sLameDllText = "Lame_enc.dll";
bool CDirectShowSystem2::sCapturing = false;
bool CDirectShowSystem2::sHasSubtitleFilter = false;
bool CDirectShowSystem2::sSupportSubtitleTested = false;
CDirectShowSystem2* CDirectShowSystem2::sSystem = nullptr;

namespace {

const char* const kQuickTimeRoot = "QuickTime Data";
const char* const kQuickTimeFile = "QuickTime.xml";
const char* const kQuickTimeExportRoot = "QuickTime Export";

// The export settings files of a type by QuickTime version: below 7, from 7, from 7.1.
struct SExportFiles {
    LONG type;
    const char* files[3];
};
const SExportFiles kExportFiles[] = {
    {610, {"QT DV.xml", "QT DV.xml", "QT DV.xml"}},
    {611, {"QT DVPRO.xml", "QT DVPRO.xml", "QT DVPRO.xml"}},
    {601, {"QT Export.xml", "QT7 Export.xml", "QT71 Export.xml"}},
    {640, {"QT MP4.xml", "QT7 MP4.xml", "QT71 MP4.xml"}},
    {630, {"QT 3GP.xml", "QT7 3GP.xml", "QT71 3GP.xml"}},
    {631, {"QT 3G2.xml", "QT7 3G2.xml", "QT71 3G2.xml"}},
};
// The portable player's applications take their MP4 settings from these.
const char* const kIpodFiles[3] = {"QT IPOD.xml", "QT7 IPOD.xml", "QT71 IPOD.xml"};

} // namespace

CDirectShowSystem2::CDirectShowSystem2()
    : m_quickTimeSettings(std::make_unique<CQuickTimePersist>()),
      m_quickTimeExport(std::make_unique<CQuickTimeExportPersist>())
{
    const SStartup startup = GetStartup();
    if (startup.quickTime) m_quickTime = new StQuickTime;
    if (!sSystem) sSystem = this;
    LoadQuickTimeSettings();
    if (startup.ffTable) {
        m_ffLoader = std::make_unique<StffMpegLoader>();
        AddffCodecs();
    }
}

void CDirectShowSystem2::AddffCodecs()
{
    for (LONG type : {2000, 2022, 2040, 2041})
        if (const CffMpegFormat* format = m_ffLoader ? m_ffLoader->GetSplitterCodecs(type) : nullptr)
            AddThirdPartyCodecs(*format, type);
}

CDirectShowSystem2::~CDirectShowSystem2()
{
    if (sSystem == this) sSystem = nullptr;
    m_ffLoader.reset();
    SaveQuickTimeSettings();
    delete m_quickTimeLoader;
    delete m_quickTime;
}

void CDirectShowSystem2::LoadQuickTimeSettings()
{
    if (!sLoadQt || m_quickTimeLoader) return;
    m_quickTimeLoader = new StQuickTimeLoader;
    for (LONG type : {600, 620, 610, 611, 601, 640, 630, 631, 650, 660}) AddQuickTimeCodecs(type);
    UPersistStorage::SystemLoad(*m_quickTimeSettings, kQuickTimeRoot, kQuickTimeFile);
    for (LONG type : {610, 611, 601, 640, 630, 631}) {
        if (!CFormatTypes::SupportedByApp(type)) continue;
        const char* file = GetQtExportFileName(type, StQuickTime::sVersion, StApplicationId::Id());
        UPersistStorage::SystemLoad(*m_quickTimeExport->Add(type), kQuickTimeExportRoot, file);
    }
}

void CDirectShowSystem2::SaveQuickTimeSettings()
{
    if (sLoadQt) UPersistStorage::SystemSave(*m_quickTimeSettings, kQuickTimeRoot, kQuickTimeFile);
}

const char* CDirectShowSystem2::GetQtExportFileName(LONG fileType, long version, unsigned long application)
{
    const int era = int32_t(version) >= 0x07100000 ? 2 : int32_t(version) >= 0x07000000 ? 1 : 0;
    if (fileType == 640 && (application == 31198 || application == 59301)) return kIpodFiles[era];
    for (const SExportFiles& row : kExportFiles)
        if (row.type == fileType) return row.files[era];
    return "";
}

void CDirectShowSystem2::AddQuickTimeCodecs(LONG fileType)
{
    const StQtCodecs* list = m_quickTimeLoader ? m_quickTimeLoader->GetSplitterCodecs(fileType) : nullptr;
    if (list) AddThirdPartyCodecs(*list, fileType);
}

void CDirectShowSystem2::AddThirdPartyCodecs(const CThirdPartyFormat& format, LONG fileType)
{
    for (int i = 0; CVideoCodecsInfo::sInfo && i < format.GetVideoCodecCount(); ++i) {
        const CVideoCodecInfo* row = format.GetVideoCodec(i);
        CVideoCodecInfo* codec = CVideoCodecsInfo::sInfo->Add(row->GetDisplayName(), row->GetDeviceName());
        codec->Activate(true);
        codec->SetLoad(false);
        codec->SetVirtual(true);
        codec->SetBlockSize(row->GetBlockSize());
        codec->SetSupported(fileType, true);
        codec->SetHasSettings(false);
        codec->SetFormat(row->GetFormat());
        codec->SetEncoderControl(row->GetEncoderControl());
        for (int s = 0; s < row->GetSizeCount(); ++s)
            codec->AddResolution(row->GetSize(s)->GetWidth(), row->GetSize(s)->GetHeight());
    }
    for (int i = 0; CAudioCodecsInfo::sInfo && i < format.GetAudioCodecCount(); ++i) {
        const CAudioCodecInfo* row = format.GetAudioCodec(i);
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(row->GetDisplayName(), row->GetDeviceName());
        codec->Activate(true);
        codec->SetLoad(false);
        codec->SetVirtual(true);
        codec->SetSupported(fileType, true);
        for (int r = 0; r < row->GetSampleRateCount(); ++r) {
            const CAudioCodecSampleRate* rate = row->GetSampleRate(r);
            for (int c = 0; c < rate->GetCount(); ++c) {
                const CAudioCodecChannel* channels = rate->GetAt(c);
                for (int b = 0; b < channels->GetCount(); ++b) {
                    const CAudioCodecBitsPerSample* bits = channels->GetAt(b);
                    for (int k = 0; k < bits->GetCount(); ++k)
                        codec->AddSetting(rate->GetValue(), channels->GetValue(), bits->GetValue(),
                                          bits->GetAt(k)->GetBitrate(), 0);
                }
            }
        }
    }
}

IWMStreamConfig* CDirectShowSystem2::GetVideoStream(const char*, LONG) { return nullptr; }

IWMStreamConfig* CDirectShowSystem2::GetAudioStream(const char*, ULONG, unsigned short, unsigned short, ULONG, bool)
{
    return nullptr;
}

CDirectShowSystem2::SStartup CDirectShowSystem2::GetStartup()
{
    // QuickTime and RealMedia serve codecs only: an engine that needs neither
    // video nor audio leaves them out, rows included.
    const bool media = sNeedsVideo || sNeedsAudio;
    SStartup s;
    s.quickTime = media && sLoadQt;
    s.realMedia = media && sLoadRm;
    s.lame = sNeedsAudio && sLoadLame;
    s.ffTable = sLoadff;
    s.wmProfiles = sLoadWm;
    s.videoCodecs = sNeedsVideo && sLoadAvi;
    s.audioCodecs = sNeedsAudio && sLoadAvi;
    s.videoCaptures = sNeedsVideoCapture;
    s.audioCaptures = sNeedsAudioCapture;
    return s;
}

namespace {

template <typename T>
struct ComRelease {
    void operator()(T* p) const { p->Release(); }
};
template <typename T>
using ComHolder = std::unique_ptr<T, ComRelease<T>>;

// Both names of one moniker, or false when either is missing.
bool ReadNames(IMoniker* moniker, CString& friendlyName, CString& displayName)
{
    LPOLESTR display = nullptr;
    if (FAILED(moniker->GetDisplayName(nullptr, nullptr, &display)) || !display) return false;
    // The converted text lives in the shared ring: copy it at once.
    displayName = UStringBuffer::ToMultiByte(display);
    CoTaskMemFree(display);

    IPropertyBag* rawBag = nullptr;
    if (FAILED(moniker->BindToStorage(nullptr, nullptr, IPropertyBag::kIid, reinterpret_cast<void**>(&rawBag))) ||
        !rawBag)
        return false;
    ComHolder<IPropertyBag> bag(rawBag);
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    const bool read = SUCCEEDED(bag->Read(u"FriendlyName", &value, nullptr)) && value.vt == VT_BSTR && value.bstrVal;
    if (read) friendlyName = UStringBuffer::ToMultiByte(value.bstrVal);
    VariantClear(&value);
    return read;
}

}  // namespace

void CDirectShowSystem2::IteratorThroughDevices(const GUID& category, const DeviceCallback& callback)
{
    ICreateDevEnum* rawDevices = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                ICreateDevEnum::kIid, reinterpret_cast<void**>(&rawDevices))) ||
        !rawDevices)
        return;
    ComHolder<ICreateDevEnum> devices(rawDevices);
    IEnumMoniker* rawMonikers = nullptr;
    if (devices->CreateClassEnumerator(category, &rawMonikers, 0) != S_OK || !rawMonikers) return;
    ComHolder<IEnumMoniker> monikers(rawMonikers);
    monikers->Reset();
    IMoniker* rawMoniker = nullptr;
    ULONG fetched = 0;
    while (monikers->Next(1, &rawMoniker, &fetched) == S_OK && fetched == 1 && rawMoniker) {
        ComHolder<IMoniker> moniker(rawMoniker);
        rawMoniker = nullptr;
        CString friendlyName, displayName;
        if (ReadNames(moniker.get(), friendlyName, displayName)) callback(moniker.get(), friendlyName, displayName);
    }
}
