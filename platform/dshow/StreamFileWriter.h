#pragma once
// Writes a multiplexer's byte stream to a file: each sample's `start` is the offset
// at which its bytes go. The file is made anew each time the graph starts.
#include "dshow/FileSinkFilter.h"

#include <cstdio>
#include <string>

class CStreamFileWriter : public CFileSinkFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    // The same writer under this layer's own "File Writer" class id.
    static HRESULT CreateOwn(REFIID iid, void** object);
    explicit CStreamFileWriter(REFCLSID clsid);
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    ~CStreamFileWriter() override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;

private:
    HRESULT CloseFile();

    std::mutex m_fileLock;
    FILE* m_stream = nullptr;
    bool m_failed = false;
};

extern const CLSID CLSID_FileWriter;
extern const CLSID CLSID_OwnFileWriter;
