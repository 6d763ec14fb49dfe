#pragma once
// A profile: version, name, description and its streams.
#include "com/ComObject.h"
#include "wmf/WmStreamConfig.h"

#include <string>
#include <vector>

struct SWmProfile {
    WMT_VERSION version = WMT_VER_9_0;
    std::u16string name;
    std::u16string description;
    std::vector<SWmStream> streams;
};

class CWmProfile : public TComObject<IWMProfile> {
public:
    explicit CWmProfile(SWmProfile profile) : m_profile(std::move(profile)) {}
    // The profile behind an interface of this runtime, or null for any other object.
    static const SWmProfile* DataOf(IWMProfile* profile);

    HRESULT QueryInterface(REFIID iid, void** object) override;

    HRESULT GetVersion(WMT_VERSION* version) override;
    HRESULT GetName(WCHAR* name, DWORD* length) override;
    HRESULT SetName(const WCHAR* name) override;
    HRESULT GetDescription(WCHAR* text, DWORD* length) override;
    HRESULT SetDescription(const WCHAR* text) override;
    HRESULT GetStreamCount(DWORD* count) override;
    HRESULT GetStream(DWORD index, IWMStreamConfig** config) override;
    HRESULT GetStreamByNumber(WORD number, IWMStreamConfig** config) override;
    HRESULT RemoveStream(IWMStreamConfig* config) override;
    HRESULT RemoveStreamByNumber(WORD number) override;
    HRESULT AddStream(IWMStreamConfig* config) override;
    HRESULT ReconfigStream(IWMStreamConfig* config) override;
    HRESULT CreateNewStream(REFGUID type, IWMStreamConfig** config) override;

private:
    SWmStream* FindNumber(WORD number);

    SWmProfile m_profile;
};

// A new stream configuration object of the given data, handed out as the interface.
HRESULT NewStreamConfig(const SWmStream& stream, IWMStreamConfig** config);
