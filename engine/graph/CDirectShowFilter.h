#pragma once
// Holder of one filter of an engine graph: creates it by class id, as a DMO or as an
// installed compressor, adds it to its graph, and answers position and file questions.
#include "afx/CString.h"
#include "win32/WinTypes.h"

class CDirectShowGraph;
struct IBaseFilter;
struct IMediaSeeking;
struct IFilterPassTime;

class CDirectShowFilter {
public:
    CDirectShowFilter();
    CDirectShowFilter(const CDirectShowFilter& other);
    CDirectShowFilter& operator=(const CDirectShowFilter& other);
    virtual ~CDirectShowFilter();

    virtual bool Create();
    virtual void Release();
    // Called after every successful creation, for subclasses to configure the new filter.
    // Settings a filter needs before it joins the graph (joining may already use them).
    virtual void PrepareFilter() {}
    virtual void CompleteCreate() {}
    virtual void PromptCreateError();
    virtual bool SetPosition(double seconds);
    virtual bool GetPosition(double& seconds);
    virtual bool GetDuration(double& seconds);
    virtual bool GetPassTime(double& seconds);
    virtual CString GetDmoFilePath() { return CString(); }
    virtual CString GetComponentFilePath();

    void SetGraph(CDirectShowGraph* graph);
    void SetName(const char* name);
    void SetId(const GUID& clsid, bool dmo = false, bool videoCompressor = false, bool audioCompressor = false);
    void SetSecondId(const GUID& clsid) { m_secondId = clsid; }
    void SetDmoCategory(const GUID& category) { m_dmoCategory = category; }
    void SetCompressorNames(const char* first, const char* second = nullptr);
    void SetOwnComponent(bool on) { m_ownComponent = on; }
    void SetSystemComponent(bool on) { m_systemComponent = on; }

    const char* GetName() const { return m_name; }
    const GUID& GetId() const { return m_id; }
    IBaseFilter* GetFilter() const { return m_filter; }
    CDirectShowGraph* GetGraph() const { return m_graph; }
    bool HasPrivateSetting() const { return m_privateSetting != 0; }

    bool CreateFilter();
    bool CreateDmo();
    bool CreateVcm();
    bool CreateAcm();
    bool HasSettings();
    bool ShowSettings();
    CString GetVersion();
    static CString GetDllVersion(const char* path);
    static CString GetResourceVersion(const char* path);
    static CString GetFileVersion(const char* path);
    static CString GetFilterFilePath(const char* clsidText);
    static CString GetVcmFilePath(const char* name);
    static CString GetAcmFilePath(const char* name);

    // Off while the engine starts, so that its catalogue refresh fails silently.
    static bool sPromptError;

protected:
    bool CreateCompressor(const GUID& category);
    IMediaSeeking* Seeking();

    CDirectShowGraph* m_graph = nullptr;
    IBaseFilter* m_filter = nullptr;
    IMediaSeeking* m_seeking = nullptr;
    IFilterPassTime* m_passTime = nullptr;
    CString m_name;
    CString m_compressorName;
    CString m_compressorName2;
    GUID m_id{};
    GUID m_secondId{};
    GUID m_dmoCategory{};
    BYTE m_dmo = 0;
    BYTE m_videoCompressor = 0;
    BYTE m_audioCompressor = 0;
    BYTE m_ownComponent = 0;
    BYTE m_systemComponent = 0;
    BYTE m_privateSetting = 0;
    // Set in the wrapper that added the filter to the graph: only it takes the filter out.
    bool m_inGraph = false;
};
