#pragma once
// The Windows Media ASF writer's configuration: the profile its streams follow, and
// whether the file gets an index.
#include "wmf/WmInterfaces.h"

struct IConfigAsfWriter : IUnknown {
    static constexpr IID kIid = {0x45086030, 0xF7E4, 0x486A, {0xB5, 0x04, 0x82, 0x6B, 0xB5, 0x79, 0x2A, 0x3B}};
    using Base = IUnknown;
    // Makes one input pin per stream of the profile; only while stopped and unconnected.
    virtual HRESULT ConfigureFilterUsingProfile(IWMProfile* profile) = 0;
    virtual HRESULT GetCurrentProfile(IWMProfile** profile) = 0;
    // Kept as asked; the file gets the index the multiplexer writes for its video streams.
    virtual HRESULT SetIndexMode(BOOL index) = 0;
    virtual HRESULT GetIndexMode(BOOL* index) = 0;
};
