#pragma once
// Test image source: encodes a frame as its own bytes and remembers its handler.
#include "CHandle.h"
#include "IVideoPostback.h"

#include <atomic>
#include <cstdint>

class CopyImageSource : public IVideoPostback {
public:
    IVideoPostbackHandler* handler = nullptr;
    std::atomic<int> encodes{0};
    HRESULT QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT SetPostbackHandler(IVideoPostbackHandler* h) override
    {
        handler = h;
        return S_OK;
    }
    HRESULT EncodeImage(const unsigned char* data, unsigned long length, EColorFormat, bool, unsigned short,
                        unsigned short, unsigned short, unsigned short, EImageType, unsigned char, unsigned short,
                        unsigned short, CHandle* output) override
    {
        ++encodes;
        output->Append(data, static_cast<uint32_t>(length));
        return S_OK;
    }
};
