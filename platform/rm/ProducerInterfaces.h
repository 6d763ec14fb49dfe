#pragma once
// What the system calls of the RealMedia producer library: its two exported entry points,
// the job class factory, the audience enumerator and the audiences with their output
// streams. Text properties are read by key; the text belongs to the object asked and
// stays valid while the caller holds it.
#include "com/Unknown.h"

#include <cstdint>

struct IHXTPropertyBag : IUnknown {
    static constexpr IID kIid = {0x87a02047, 0xabb1, 0x48c0, {0xbf, 0xae, 0x0f, 0x17, 0xda, 0x79, 0xf5, 0xed}};
    using Base = IUnknown;

    // S_OK with the text, or a failure when the property is absent or not a text.
    virtual HRESULT GetText(const char* key, const char** text) = 0;
};

struct IHXTOutputStream : IHXTPropertyBag {
    static constexpr IID kIid = {0x9d70abd6, 0x4fce, 0x4738, {0x91, 0xf5, 0x9a, 0x55, 0x42, 0x10, 0xeb, 0xfb}};
    using Base = IHXTPropertyBag;
};

struct IHXTAudience : IHXTPropertyBag {
    static constexpr IID kIid = {0xcb74ce79, 0x225c, 0x48de, {0x85, 0x18, 0xd5, 0xf8, 0x23, 0x80, 0x23, 0x07}};
    using Base = IHXTPropertyBag;

    virtual uint32_t GetOutputStreamCount() = 0;
    // A new reference to the stream at the index.
    virtual HRESULT GetOutputStream(uint32_t index, IHXTOutputStream** stream) = 0;
};

struct IHXTAudienceEnumerator : IUnknown {
    static constexpr IID kIid = {0x7e27fc66, 0x8dea, 0x41ef, {0xa7, 0xed, 0x92, 0xc2, 0x3d, 0xe0, 0xd1, 0x06}};
    using Base = IUnknown;

    // The folder whose audience files are listed.
    virtual HRESULT SetProfileDirectory(const char* folder) = 0;
    virtual uint32_t GetAudienceCount() = 0;
    // A new reference to the audience at the index.
    virtual HRESULT GetAudience(uint32_t index, IHXTAudience** audience) = 0;
};

struct IHXTClassFactory : IUnknown {
    static constexpr IID kIid = {0xd4683e27, 0x71d3, 0x434b, {0xab, 0x5d, 0x68, 0x95, 0x26, 0xd5, 0x91, 0x47}};
    using Base = IUnknown;

    virtual HRESULT CreateInstance(REFCLSID classId, REFIID iid, void** object) = 0;
};

// The audience enumerator's class.
inline constexpr CLSID CLSID_HXTAudienceEnumerator = {
    0x45D2135C, 0x6B46, 0x4D02, {0xB7, 0xEC, 0xE2, 0x78, 0x91, 0xBC, 0x75, 0x1A}};

// "SetDLLAccessPath": a run of "name=folder" texts, each ending in a zero, the run ending
// in an empty text.
using FPSETDLLACCESSPATH = HRESULT (*)(const char* paths);
// "HXTCreateJobFactory": a new reference to the job class factory.
using FPCREATEJOBFACTORY = HRESULT (*)(IHXTClassFactory** factory);
