#pragma once
// Makes one animated GIF of the GIF pictures it takes on "Video In", each shown until the
// next one's time, as a multiplexer's byte stream for a file writer. It loops for ever
// unless told to play once.
#include "dshow/StreamMultiplexer.h"
#include "dshow/images/ImageInterfaces.h"

#include <atomic>

class CAnimatedGifMux : public CStreamMultiplexer, public IAnimatedGifSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAnimatedGifMux();
    MV_FILTER_UNKNOWN

    HRESULT SetLoop(BYTE loop) override;
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;

protected:
    void* FindInterface(REFIID iid) override;
    void ConfigureContainer(AVFormatContext& output) override;

private:
    std::atomic<bool> m_loop{true};
};
