#pragma once
// "WM Media Source": opens Windows Media files (ASF, WMA, WMV), and the other media files a
// player opens through it, and offers their streams and their tags as header attributes
// under their Windows Media names.
#include "dshow/FileSource.h"
#include "dshow/asf/AsfAttributes.h"

class CWmMediaSource : public CFileSource, public IWMHeaderInfo {
public:
    static HRESULT Create(REFIID iid, void** object);
    CWmMediaSource();
    MV_FILTER_UNKNOWN

    HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;

    MV_HEADER_INFO(m_attributes)
    // The file's attributes are read only.
    HRESULT SetAttribute(WORD, LPCWSTR, WMT_ATTR_DATATYPE, const BYTE*, WORD) override { return E_ACCESSDENIED; }

protected:
    void* FindInterface(REFIID iid) override;

private:
    CAsfAttributes m_attributes;
};

extern const CLSID CLSID_WmMediaSource;
