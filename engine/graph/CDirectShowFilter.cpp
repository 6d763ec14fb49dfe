#include "CDirectShowFilter.h"

#include "CDirectShowGraph.h"
#include "CErrorDialog.h"
#include "CVersion.h"
#include "EncoderFilterInterfaces.h"
#include "URegistryUtils.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/CWnd.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "com/PropertyPage.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterExtraInterfaces.h"
#include "dshow/WideText.h"
#include "win32/kernel/Module.h"
#include "win32/settings/Registry.h"

#include <cctype>
#include <cstring>
#include <string>

bool CDirectShowFilter::sPromptError = false;

namespace {

template <class I>
I* Shared(I* object)
{
    if (object) object->AddRef();
    return object;
}

// The category's key below a user's device-enumerator cache.
CString CompressorFilePath(const char* name, const GUID& category)
{
    if (!name || !*name) return CString();
    HKEY users = URegistryUtils::GetTopRegistryForEnum(false, "Software\\Microsoft\\Protected Storage System Provider");
    const std::string sid = users ? URegistryUtils::EnumKey(users, 0) : "";
    URegistryUtils::CloseRegistry(users);
    if (sid.empty()) return CString();
    const std::string path = sid + "\\Software\\Microsoft\\ActiveMovie\\devenum\\" + GuidToText(category);
    HKEY devices = URegistryUtils::GetTopRegistryForEnum(HKEY_USERS, path.c_str());
    if (!devices) return CString();
    CString result;
    for (int i = 0;; ++i) {
        const std::string sub = URegistryUtils::EnumKey(devices, i);
        if (sub.empty()) break;
        HKEY device = URegistryUtils::GetTopRegistryForEnum(devices, sub.c_str());
        if (!device) continue;
        const char* friendly = URegistryUtils::GetTextValue(device, "FriendlyName");
        if (friendly && std::strcmp(friendly, name) == 0) {
            const std::string clsid = URegistryUtils::GetTextValue(device, "CLSID");
            URegistryUtils::CloseRegistry(device);
            result = CDirectShowFilter::GetFilterFilePath(clsid.c_str());
            break;
        }
        URegistryUtils::CloseRegistry(device);
    }
    URegistryUtils::CloseRegistry(devices);
    return result;
}

// True when the name's first occurrence in the display name comes right after a backslash
// or a digit.
bool CompressorNameMatches(const std::string& display, const char* name)
{
    if (!name || !*name) return false;
    const size_t at = display.find(name);
    return at != std::string::npos && at > 0 &&
           (display[at - 1] == '\\' || std::isdigit(static_cast<unsigned char>(display[at - 1])));
}

} // namespace

CDirectShowFilter::CDirectShowFilter() = default;

CDirectShowFilter::CDirectShowFilter(const CDirectShowFilter& other)
{
    *this = other;
}

CDirectShowFilter& CDirectShowFilter::operator=(const CDirectShowFilter& other)
{
    if (this == &other) return *this;
    Release();
    m_graph = other.m_graph;
    // Each copy holds its own references, so that both may release theirs.
    m_filter = Shared(other.m_filter);
    m_seeking = Shared(other.m_seeking);
    m_passTime = Shared(other.m_passTime);
    m_name = other.m_name;
    m_compressorName = other.m_compressorName;
    m_compressorName2 = other.m_compressorName2;
    m_id = other.m_id;
    m_secondId = other.m_secondId;
    m_dmoCategory = other.m_dmoCategory;
    m_dmo = other.m_dmo;
    m_videoCompressor = other.m_videoCompressor;
    m_audioCompressor = other.m_audioCompressor;
    m_ownComponent = other.m_ownComponent;
    m_systemComponent = other.m_systemComponent;
    m_privateSetting = other.m_privateSetting;
    return *this;
}

CDirectShowFilter::~CDirectShowFilter()
{
    // Not virtual dispatch here: a derived part is already gone.
    CDirectShowFilter::Release();
}

void CDirectShowFilter::SetGraph(CDirectShowGraph* graph)
{
    Release();
    m_graph = graph;
}

void CDirectShowFilter::SetName(const char* name)
{
    Release();
    m_name = name ? name : "";
}

void CDirectShowFilter::SetId(const GUID& clsid, bool dmo, bool videoCompressor, bool audioCompressor)
{
    m_id = clsid;
    m_dmo = dmo;
    m_videoCompressor = videoCompressor;
    m_audioCompressor = audioCompressor;
}

void CDirectShowFilter::SetCompressorNames(const char* first, const char* second)
{
    m_compressorName = first ? first : "";
    m_compressorName2 = second ? second : "";
}

bool CDirectShowFilter::Create()
{
    if (m_filter) return true;
    bool created;
    if (m_dmo)
        created = CreateDmo();
    else if (m_videoCompressor)
        created = CreateVcm();
    else if (m_audioCompressor)
        created = CreateAcm();
    else
        created = CreateFilter();
    if (!created || !m_filter) {
        Release();
        if (sPromptError) PromptCreateError();
        return false;
    }
    IEncoderPrivateSetting* setting = nullptr;
    if (SUCCEEDED(QueryInterfaceTo(m_filter, &setting)) && setting) {
        setting->SetPrivate(1);
        setting->Release();
        m_privateSetting = 1;
    }
    PrepareFilter();
    if (m_graph && m_graph->GetGraph())
        m_inGraph = SUCCEEDED(m_graph->GetGraph()->AddFilter(m_filter, WideText(std::string(m_name)).c_str()));
    CompleteCreate();
    return true;
}

void CDirectShowFilter::Release()
{
    SafeRelease(m_seeking);
    SafeRelease(m_passTime);
    if (m_inGraph && m_filter && m_graph && m_graph->GetGraph()) m_graph->GetGraph()->RemoveFilter(m_filter);
    m_inGraph = false;
    SafeRelease(m_filter);
    m_privateSetting = 0;
}

bool CDirectShowFilter::CreateFilter()
{
    HRESULT hr = CoCreateInstance(m_id, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                  reinterpret_cast<void**>(&m_filter));
    if (FAILED(hr) && m_secondId != GUID{})
        hr = CoCreateInstance(m_secondId, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                              reinterpret_cast<void**>(&m_filter));
    if (FAILED(hr)) m_filter = nullptr;
    return m_filter != nullptr;
}

bool CDirectShowFilter::CreateDmo()
{
    if (FAILED(CoCreateInstance(CLSID_DMOWrapperFilter, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                reinterpret_cast<void**>(&m_filter)))) {
        m_filter = nullptr;
        return false;
    }
    IDMOWrapperFilter* wrapper = nullptr;
    if (FAILED(QueryInterfaceTo(m_filter, &wrapper)) || !wrapper) {
        SafeRelease(m_filter);
        return false;
    }
    const bool ok = SUCCEEDED(wrapper->Init(m_id, m_dmoCategory));
    wrapper->Release();
    return ok;
}

bool CDirectShowFilter::CreateVcm()
{
    return CreateCompressor(CLSID_VideoCompressorCategory);
}

bool CDirectShowFilter::CreateAcm()
{
    return CreateCompressor(CLSID_AudioCompressorCategory);
}

bool CDirectShowFilter::CreateCompressor(const GUID& category)
{
    ICreateDevEnum* devices = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                                reinterpret_cast<void**>(&devices))) ||
        !devices)
        return m_filter != nullptr;
    IEnumMoniker* monikers = nullptr;
    if (devices->CreateClassEnumerator(category, &monikers, 0) != S_OK || !monikers) {
        devices->Release();
        return m_filter != nullptr;
    }
    IMoniker* moniker = nullptr;
    ULONG fetched = 0;
    while (!m_filter && monikers->Next(1, &moniker, &fetched) == S_OK && fetched == 1 && moniker) {
        LPOLESTR wide = nullptr;
        if (SUCCEEDED(moniker->GetDisplayName(nullptr, nullptr, &wide)) && wide) {
            const std::string display = NarrowText(wide);
            CoTaskMemFree(wide);
            for (const CString* name : {&m_compressorName, &m_compressorName2}) {
                if (m_filter || !CompressorNameMatches(display, *name)) continue;
                if (FAILED(moniker->BindToObject(nullptr, nullptr, IBaseFilter::kIid,
                                                 reinterpret_cast<void**>(&m_filter))))
                    m_filter = nullptr;
            }
        }
        SafeRelease(moniker);
    }
    monikers->Release();
    devices->Release();
    return m_filter != nullptr;
}

void CDirectShowFilter::PromptCreateError()
{
    CString text = "Failed to create " + m_name + " component.\n";
    if (m_ownComponent) {
        text += "This is usually caused by installation problems. ";
        text += "Please reinstall the software.";
        CErrorDialog::Prompt(text);
    } else if (m_systemComponent) {
        text += "This is a standard Microsoft component. ";
        text += "This is usually caused by outdated DirectX installation.";
        text += "Would you like to install the latest DirectX?";
        if (CErrorDialog::Prompt(text, "Install DX")) UShellUtils::Open(UWebAddresses::GetDxDownloadAddress());
    }
}

IMediaSeeking* CDirectShowFilter::Seeking()
{
    if (!m_seeking && m_filter && FAILED(QueryInterfaceTo(m_filter, &m_seeking))) m_seeking = nullptr;
    return m_seeking;
}

bool CDirectShowFilter::SetPosition(double seconds)
{
    IMediaSeeking* seeking = Seeking();
    if (!seeking) return false;
    LONGLONG current = static_cast<LONGLONG>(seconds * 10000000.0);
    return SUCCEEDED(seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning | AM_SEEKING_SeekToKeyFrame,
                                           nullptr, AM_SEEKING_NoPositioning));
}

bool CDirectShowFilter::GetPosition(double& seconds)
{
    IMediaSeeking* seeking = Seeking();
    LONGLONG current = 0;
    if (!seeking || FAILED(seeking->GetCurrentPosition(&current))) return false;
    seconds = double(current) * 1e-7;
    return true;
}

bool CDirectShowFilter::GetDuration(double& seconds)
{
    IMediaSeeking* seeking = Seeking();
    LONGLONG duration = 0;
    if (!seeking || FAILED(seeking->GetDuration(&duration))) return false;
    seconds = double(duration) * 1e-7;
    return true;
}

bool CDirectShowFilter::GetPassTime(double& seconds)
{
    if (!m_passTime && m_filter && FAILED(QueryInterfaceTo(m_filter, &m_passTime))) m_passTime = nullptr;
    return m_passTime && SUCCEEDED(m_passTime->GetPassTime(&seconds));
}

CString CDirectShowFilter::GetComponentFilePath()
{
    if (m_dmo) return CString();
    if (m_videoCompressor) return GetVcmFilePath(m_compressorName);
    if (m_audioCompressor) return GetAcmFilePath(m_compressorName);
    return GetFilterFilePath(GuidToText(m_id).c_str());
}

CString CDirectShowFilter::GetFilterFilePath(const char* clsidText)
{
    if (!clsidText || !*clsidText) return CString();
    const std::string path = std::string("SOFTWARE\\Classes\\CLSID\\") + clsidText + "\\InprocServer32";
    HKEY key = URegistryUtils::GetTopRegistryForEnum(HKEY_LOCAL_MACHINE, path.c_str());
    if (!key) return CString();
    CString value = URegistryUtils::GetTextValue(key, "");
    URegistryUtils::CloseRegistry(key);
    return value;
}

CString CDirectShowFilter::GetVcmFilePath(const char* name)
{
    return CompressorFilePath(name, CLSID_VideoCompressorCategory);
}

CString CDirectShowFilter::GetAcmFilePath(const char* name)
{
    return CompressorFilePath(name, CLSID_AudioCompressorCategory);
}

bool CDirectShowFilter::HasSettings()
{
    ISpecifyPropertyPages* pages = nullptr;
    if (!m_filter || FAILED(QueryInterfaceTo(m_filter, &pages)) || !pages) return false;
    CAUUID ids{0, nullptr};
    const bool any = SUCCEEDED(pages->GetPages(&ids)) && ids.cElems > 0;
    CoTaskMemFree(ids.pElems);
    pages->Release();
    return any;
}

bool CDirectShowFilter::ShowSettings()
{
    ISpecifyPropertyPages* pages = nullptr;
    if (!m_filter || FAILED(QueryInterfaceTo(m_filter, &pages)) || !pages) return false;
    CAUUID ids{0, nullptr};
    const HRESULT listed = pages->GetPages(&ids);
    pages->Release();
    bool shown = false;
    if (SUCCEEDED(listed) && ids.cElems > 0) {
        CWnd* main = AfxGetMainWnd();
        IUnknown* object = m_filter;
        const std::u16string caption = WideText(std::string(m_name));
        shown = SUCCEEDED(OleCreatePropertyFrame(main ? main->GetSafeHwnd() : nullptr, 0, 0, caption.c_str(), 1, &object,
                                                 ids.cElems, ids.pElems, 0, 0, nullptr));
    }
    CoTaskMemFree(ids.pElems);
    return shown;
}

CString CDirectShowFilter::GetVersion()
{
    const CString path = GetComponentFilePath();
    if (path.IsEmpty()) return CString();
    CString version = GetDllVersion(path);
    if (version.IsEmpty()) version = GetResourceVersion(path);
    if (version.IsEmpty()) version = GetFileVersion(path);
    return version;
}

CString CDirectShowFilter::GetDllVersion(const char* path)
{
    struct DllVersionInfo {
        DWORD cbSize, dwMajorVersion, dwMinorVersion, dwBuildNumber, dwPlatformID;
    };
    static_assert(sizeof(DllVersionInfo) == 20);
    HMODULE module = path && *path ? LoadLibrary(path) : nullptr;
    if (!module) return CString();
    CString text;
    using GetVersionFunc = HRESULT (*)(DllVersionInfo*);
    if (auto get = reinterpret_cast<GetVersionFunc>(GetProcAddress(module, "DllGetVersion"))) {
        DllVersionInfo info{sizeof(DllVersionInfo), 0, 0, 0, 0};
        if (SUCCEEDED(get(&info)))
            text.Format("%d.%d.%d", int(info.dwMajorVersion), int(info.dwMinorVersion), int(info.dwBuildNumber));
    }
    FreeLibrary(module);
    return text;
}

CString CDirectShowFilter::GetResourceVersion(const char*)
{
    // Libraries on this platform carry no typed "version" resource; the other two sources answer.
    return CString();
}

CString CDirectShowFilter::GetFileVersion(const char* path)
{
    // The version block here holds only the fixed record: its file version is the text.
    if (!path || !*path) return CString();
    const CVersion version(path);
    if (version.GetMajorVersion() == 0 && version.GetMinorVersion() == 0 && version.GetBugFixVersion() == 0 &&
        version.GetBuildVersion() == 0)
        return CString();
    return CString(version.GetVersionText());
}
