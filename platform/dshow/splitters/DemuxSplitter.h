#pragma once
// A splitter over the container library: its "Input" pin takes the byte stream of a file
// source and reads it through the source pin's IAsyncReader; once connected it offers
// one output pin per stream, as the media file source does. Each class id takes only
// the containers its name says.
#include "dshow/FileSource.h"

struct IAsyncReader;

class CDemuxSplitter : public CFileSource {
public:
    CDemuxSplitter(REFCLSID clsid, const char* formats);

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;

    // The container library's byte access, on the streaming thread.
    int ReadBytes(uint8_t* data, int size);
    int64_t SeekBytes(int64_t offset, int whence);

protected:
    ~CDemuxSplitter() override;
    void* FindInterface(REFIID iid) override;

private:
    void CloseInput();
    CBasePin* Input() const { return PinAt(0); }

    IAsyncReader* m_reader = nullptr;
    AVIOContext* m_io = nullptr;
    int64_t m_position = 0;
};
