#pragma once
// A last filter that writes a file named through IFileSinkFilter.
#include "dshow/SinkFilter.h"

#include <string>

class CFileSinkFilter : public CSinkFilter, public IFileSinkFilter {
public:
    explicit CFileSinkFilter(REFCLSID clsid);
    MV_FILTER_UNKNOWN

    HRESULT SetFileName(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) override;

protected:
    void* FindInterface(REFIID iid) override;
    const std::u16string& FileName() const { return m_file; }

private:
    std::u16string m_file;
};
