#include "CDirectShowSystem2.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioDevicesInfo.h"
#include "CDeviceController.h"
#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CGlobalSetting.h"
#include "CLameDll.h"
#include "CLocalSetting.h"
#include "CVideoDevicesInfo.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CFormatTypes.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeExportTypePersist.h"
#include "CQuickTimePersist.h"
#include "CSubtitleFilter.h"
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
    : m_videoDevices(std::make_unique<CVideoDevicesInfo>()),
      m_audioDevices(std::make_unique<CAudioDevicesInfo>()),
      m_videoCodecs(std::make_unique<CVideoCodecsInfo>(true)),
      m_audioCodecs(std::make_unique<CAudioCodecsInfo>(true)),
      m_localSetting(std::make_unique<CLocalSetting>()),
      m_globalSetting(std::make_unique<CGlobalSetting>()),
      m_formatTypes(std::make_unique<CFormatTypes>()),
      m_quickTimeSettings(std::make_unique<CQuickTimePersist>()),
      m_quickTimeExport(std::make_unique<CQuickTimeExportPersist>())
{
    const SStartup startup = GetStartup();
    if (startup.quickTime) m_quickTime = new StQuickTime;
    m_globalSetting->LoadFile();
    m_localSetting->LoadFile();
    if (!sSystem) sSystem = this;
    PopulateCaptures();
    PopulateCodecs();
    LoadQuickTimeSettings();
    if (startup.ffTable) {
        m_ffLoader = std::make_unique<StffMpegLoader>();
        AddffCodecs();
    }
    // From now on a filter that cannot be created is reported to the user.
    CDirectShowFilter::sPromptError = true;
}

void CDirectShowSystem2::PopulateCaptures()
{
    const SStartup startup = GetStartup();
    if (startup.videoCaptures) {
        UPersistStorage::SystemLoad(*m_videoDevices, CVideoDevicesInfo::kFileInfoName, CVideoDevicesInfo::kFileName);
        m_videoDevices->AddSystemDevices();
    }
    if (startup.audioCaptures) {
        UPersistStorage::SystemLoad(*m_audioDevices, CAudioDevicesInfo::kFileInfoName, CAudioDevicesInfo::kFileName);
        m_audioDevices->AddSystemDevices();
    }
}

namespace {

struct SVirtualVideoRow {
    const char* name;
    const char* device;
    GUID id;
    bool load;
    std::initializer_list<LONG> types;
    LONG encoderControl;
    bool renderer; // active only for the applications that render raw pictures
};

// Built-in picture writers and raw formats, always listed with the system's compressors.
void AddVirtualVideoCodecs(CVideoCodecsInfo& codecs)
{
    const SVirtualVideoRow rows[] = {
        {"JPG", "Morvane JPG", {0x50855C02, 0xA8DA, 0x41B4, {0xB5, 0xDA, 0x4E, 0x9A, 0x13, 0xDE, 0xC3, 0x02}}, false,
         {1700, 1800}, 1, false},
        {"BMP", "Morvane BMP", {0xDC31A885, 0x929E, 0x49C6, {0xB3, 0xB9, 0x4F, 0xA6, 0xCC, 0x62, 0xCD, 0x87}}, false,
         {1700}, 0, false},
        {"GIF", "Morvane GIF", {0xEA14C202, 0xE3A7, 0x4801, {0xBC, 0xFB, 0x90, 0x11, 0x66, 0x70, 0x4D, 0x68}}, false,
         {1700, 1800, 1600}, 1, false},
        {"RGB24", "Morvane RGB24", {0x55AD57DD, 0x6FA5, 0x436A, {0xBE, 0x57, 0xB2, 0x8D, 0xA2, 0xA7, 0x71, 0x59}}, true,
         {}, 0, true},
        {"UYVY", "Morvane UYVY", {0xE6F1232E, 0x073A, 0x4CD5, {0xB5, 0xA9, 0x35, 0x2D, 0xE0, 0x76, 0x46, 0x98}}, true,
         {}, 0, true},
    };
    const unsigned long app = StApplicationId::Id();
    const bool renders = app == 19084 || app == 56631 || app == 77002 || app == 79001;
    for (const SVirtualVideoRow& row : rows) {
        CVideoCodecInfo* codec = codecs.Add(row.name, row.device);
        codec->SetId(row.id);
        codec->Activate(!row.renderer || renders);
        codec->SetLoad(row.load);
        codec->SetBlockSize(1);
        for (LONG type : row.types) codec->SetSupported(type, true);
        codec->SetEncoderControl(row.encoderControl);
        codec->SetVirtual(true);
    }
}

// The sound of DV files, which no compressor writes on its own.
void AddDummyAudioCodecs(CAudioCodecsInfo& codecs)
{
    CAudioCodecInfo* dv = codecs.Add("DV Audio", "Dummy DV Audio");
    dv->SetLoad(false);
    dv->SetVirtual(true);
    dv->SetSkipped(false);
    dv->AddSetting(32000, 2, 16, 1024000, 0);
    dv->AddSetting(44100, 2, 16, 1411200, 0);
    dv->AddSetting(48000, 2, 16, 1536000, 0);
    dv->Activate(true);
    for (LONG type : {900, 110}) dv->SetSupported(type, true);
}

} // namespace

void CDirectShowSystem2::PopulateCodecs()
{
    const SStartup startup = GetStartup();
    if (startup.videoCodecs) {
        UPersistStorage::SystemLoad(*m_videoCodecs, CVideoCodecsInfo::kFileInfoName, CVideoCodecsInfo::kFileName);
        m_videoCodecs->AddSystemCodecs();
        AddVirtualVideoCodecs(*m_videoCodecs);
    }
    if (startup.audioCodecs) {
        UPersistStorage::SystemLoad(*m_audioCodecs, CAudioCodecsInfo::kFileInfoName, CAudioCodecsInfo::kFileName);
        m_audioCodecs->AddSystemCodecs();
        AddDummyAudioCodecs(*m_audioCodecs);
    }
    if (startup.lame) {
        LoadLame(true);
        if (CGlobalSetting::sSettings) {
            static_cast<CBroadcaster&>(CGlobalSetting::sSettings->GetLameDll()).AddListener(this);
            m_listensToLame = true;
        }
    }
}

bool CDirectShowSystem2::LoadLame(bool initial)
{
    bool loaded = false;
    if (CGlobalSetting::sSettings) {
        CLameDll probe;
        probe.Load(CGlobalSetting::sSettings->GetLameDll().GetFilePath());
        loaded = probe.LoadLibraryA();
    }
    CAudioCodecInfo* lame = m_audioCodecs->Add(sLameDllText, "Morvane lame_enc.dll");
    lame->SetLoad(true);
    lame->SetId({0x75EB5D5D, 0x1B45, 0x4171, {0x9A, 0xF1, 0x23, 0x8E, 0x65, 0x02, 0xF2, 0xBB}});
    lame->SetVirtual(true);
    if (!initial) lame->SetSkipped(false);
    lame->Activate(loaded);
    for (LONG type : {350, 500, 100, 1200}) lame->SetSupported(type, true);
    // Ogg holds no MP3: offered there, the encoder would make a recording that cannot be written.
    lame->SetSupported(1100, false);
    return loaded;
}

bool CDirectShowSystem2::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CPersistFile2::kFilePathChangedNotice) {
        LoadLame(false);
        Broadcast(kEncoderReloadedMessage, nullptr, nullptr);
        return true;
    }
    return CListener::Respond(code, sender, a, b);
}

bool CDirectShowSystem2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message != kDeviceChangeMessage) return CListener::ListenToMessage(message, p, q);
    const SStartup startup = GetStartup();
    if (startup.videoCaptures) m_videoDevices->LiveUpdate();
    if (startup.audioCaptures) m_audioDevices->LiveUpdate();
    return true;
}

void CDirectShowSystem2::SaveCatalogues()
{
    const SStartup startup = GetStartup();
    m_globalSetting->SaveFile();
    m_localSetting->SaveFile();
    if (startup.videoCodecs)
        UPersistStorage::SystemSave(*m_videoCodecs, CVideoCodecsInfo::kFileInfoName, CVideoCodecsInfo::kFileName);
    if (m_listensToLame && CGlobalSetting::sSettings)
        static_cast<CBroadcaster&>(CGlobalSetting::sSettings->GetLameDll()).RemoveListener(this);
    if (startup.audioCodecs)
        UPersistStorage::SystemSave(*m_audioCodecs, CAudioCodecsInfo::kFileInfoName, CAudioCodecsInfo::kFileName);
    if (startup.videoCaptures)
        UPersistStorage::SystemSave(*m_videoDevices, CVideoDevicesInfo::kFileInfoName, CVideoDevicesInfo::kFileName);
    if (startup.audioCaptures)
        UPersistStorage::SystemSave(*m_audioDevices, CAudioDevicesInfo::kFileInfoName, CAudioDevicesInfo::kFileName);
}

void CDirectShowSystem2::AddffCodecs()
{
    for (LONG type : {2000, 2022, 2040, 2041})
        if (const CffMpegFormat* format = m_ffLoader ? m_ffLoader->GetSplitterCodecs(type) : nullptr)
            AddThirdPartyCodecs(*format, type);
}

CDirectShowSystem2::~CDirectShowSystem2()
{
    if (sSystem == this) {
        sSystem = nullptr;
        // Filter failures are prompted while the engine runs, not after it.
        CDirectShowFilter::sPromptError = false;
    }
    m_ffLoader.reset();
    SaveQuickTimeSettings();
    delete m_quickTimeLoader;
    SaveCatalogues();
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

bool CDirectShowSystem2::SupportSubtitle()
{
    if (sSupportSubtitleTested) return sHasSubtitleFilter;
    sSupportSubtitleTested = true;
    CDirectShowGraph graph;
    if (!graph.Create()) return sHasSubtitleFilter;
    {
        CSubtitleFilter filter(&graph, "Subtitle");
        sHasSubtitleFilter = filter.Create();
        filter.Release();
    }
    graph.Release();
    return sHasSubtitleFilter;
}
