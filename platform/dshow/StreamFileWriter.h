#pragma once
// Writes a multiplexer's byte stream to a file: each sample's `start` is the offset
// at which its bytes go. The file is made anew each time the graph starts.
#include "dshow/SinkFilter.h"

#include <cstdio>
#include <string>

class CStreamFileWriter : public CSinkFilter, public IFileSinkFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CStreamFileWriter();
    MV_FILTER_UNKNOWN

    HRESULT SetFileName(LPCOLESTR file, const AM_MEDIA_TYPE* type) override;
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    ~CStreamFileWriter() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;

private:
    HRESULT CloseFile();

    std::u16string m_file;
    std::mutex m_fileLock;
    FILE* m_stream = nullptr;
    bool m_failed = false;
};

extern const CLSID CLSID_FileWriter;
