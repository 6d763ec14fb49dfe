#pragma once
// "File Source (Async.)": opens a file and offers its bytes on one "Output" pin of the
// stream type; the splitter connected to it reads them through the pin's IAsyncReader.
// It pushes nothing by itself.
#include "dshow/BaseFilter.h"
#include "dshow/interfaces/AsyncReader.h"

#include <string>

class CAsyncFileSource : public CBaseFilter, public IFileSourceFilter, public IAsyncReader {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAsyncFileSource();
    MV_FILTER_UNKNOWN

    HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) override;
    HRESULT SyncRead(LONGLONG position, LONG length, BYTE* buffer, LONG* read) override;
    HRESULT Length(LONGLONG* total, LONGLONG* available) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    void* PinInterface(CBasePin* pin, REFIID iid) override;

protected:
    ~CAsyncFileSource() override;
    void* FindInterface(REFIID iid) override;

private:
    std::u16string m_file;
    int m_fd = -1;
    std::atomic<LONGLONG> m_size{0};
};

// The subtype of the byte stream the source offers.
extern const GUID MEDIASUBTYPE_FileStream;
