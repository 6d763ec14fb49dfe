#pragma once
// One stream of a profile: its type, number, names, bit rate, buffer window, media type,
// video key-frame spacing and quality, and the property vault of its encoding settings.
#include "com/ComObject.h"
#include "dshow/MediaType.h"
#include "wmf/PropertyVault.h"

#include <string>

struct SWmStream {
    GUID type{};
    WORD number = 0;
    std::u16string name;
    std::u16string connection;
    DWORD bitrate = 0;
    DWORD bufferWindow = 3000;
    CMediaType mediaType;
    LONGLONG keyFrameSpacing = 80000000; // 8 s
    DWORD quality = 75;
    CPropertyVault vault;
};

class CWmStreamConfig : public TComObject<IWMStreamConfig, IWMVideoMediaProps, IWMPropertyVault> {
public:
    explicit CWmStreamConfig(const SWmStream& stream) : m_stream(stream) {}
    // The stream behind a configuration of this runtime, or null for any other object.
    static const SWmStream* DataOf(IWMStreamConfig* config);

    const SWmStream& Data() const { return m_stream; }

    HRESULT QueryInterface(REFIID iid, void** object) override;

    HRESULT GetStreamType(GUID* type) override;
    HRESULT GetStreamNumber(WORD* number) override;
    HRESULT SetStreamNumber(WORD number) override;
    HRESULT GetStreamName(WCHAR* name, WORD* length) override;
    HRESULT SetStreamName(const WCHAR* name) override;
    HRESULT GetConnectionName(WCHAR* name, WORD* length) override;
    HRESULT SetConnectionName(const WCHAR* name) override;
    HRESULT GetBitrate(DWORD* bitrate) override;
    HRESULT SetBitrate(DWORD bitrate) override;
    HRESULT GetBufferWindow(DWORD* window) override;
    HRESULT SetBufferWindow(DWORD window) override;

    HRESULT GetType(GUID* type) override;
    HRESULT GetMediaType(WM_MEDIA_TYPE* type, DWORD* size) override;
    HRESULT SetMediaType(WM_MEDIA_TYPE* type) override;
    HRESULT GetMaxKeyFrameSpacing(LONGLONG* time) override;
    HRESULT SetMaxKeyFrameSpacing(LONGLONG time) override;
    HRESULT GetQuality(DWORD* quality) override;
    HRESULT SetQuality(DWORD quality) override;

    MV_PROPERTY_VAULT(m_stream.vault)

private:
    SWmStream m_stream;
};
