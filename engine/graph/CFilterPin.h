#pragma once
// A connection point of a wrapped filter, found by name tag, index or media type and
// looked up when first needed.
#include "afx/CString.h"
#include "dshow/DShowTypes.h"

class CDirectShowFilter;
class CDirectShowGraph;

class CFilterPin {
public:
    CFilterPin(CDirectShowFilter* filter, const char* tag, bool input);
    CFilterPin(const CFilterPin& other);
    CFilterPin& operator=(const CFilterPin& other);
    virtual ~CFilterPin();

    void SetMediaType(const GUID& major, const GUID& subtype);
    void SearchTag(const char* tag, bool search);
    void SearchTag2(const char* tag) { m_tag2 = tag ? tag : ""; }
    void SetIndex(int index) { m_index = index; }
    void MakeDynamic(bool dynamic) { m_dynamic = dynamic; }
    void SetPin(IPin* pin);
    IPin* GetPin();
    bool IsInputPin() const { return m_input; }
    CDirectShowFilter* GetFilter() const { return m_filter; }
    CDirectShowGraph* GetGraph() const;
    bool Connect(CFilterPin* peer, const AM_MEDIA_TYPE* type);
    void Disconnect();
    CFilterPin* GetConnectedPin() const { return m_connected; }
    void Release();
    bool HasSubType(const GUID& subtype);
    bool HasFormatType(const GUID& format);
    bool GetTypes(GUID& major, GUID& subtype, GUID& format);

private:
    IPin* LookUp();
    IPin* FindByTag(IBaseFilter* filter, PIN_DIRECTION direction, const char* tag);
    IPin* FindByType(IBaseFilter* filter, PIN_DIRECTION direction);
    bool HasType(bool (*match)(const AM_MEDIA_TYPE&, const GUID&), const GUID& wanted);

    CDirectShowFilter* m_filter;
    CString m_tag;
    CString m_tag2;
    bool m_input;
    IPin* m_pin = nullptr;
    CFilterPin* m_connected = nullptr;
    GUID m_major{};
    GUID m_subtype{};
    bool m_tagSearch = false;
    bool m_dynamic = false;
    int m_index = -1;
};
