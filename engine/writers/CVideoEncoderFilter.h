#pragma once
// A video encoder stage: the codec of the video codec catalogue named by its display and
// device name, or the installed video compressor of that name. It carries the codec's
// saved state between creations and opens the codec's own dialogs.
#include "CHandle.h"
#include "CTransformerFilter.h"

struct IVideoEncoderSettings;
struct IAMVfwCompressDialogs;

class CVideoEncoderFilter : public CTransformerFilter {
public:
    explicit CVideoEncoderFilter(CDirectShowGraph* graph = nullptr, const char* name = "Encoder");
    ~CVideoEncoderFilter() override;

    bool Create() override;
    void Release() override;

    void SetCodec(const char* codecName, const char* deviceName);
    const char* GetCodecName() const { return m_codecName; }
    void SetQuality(unsigned char quality) { m_quality = quality; }
    void SetState(const CHandle& state) { m_state = state; }
    const CHandle& GetState() const { return m_state; }
    // 1 up to 500 lines, 2 above; applied at once when the filter offers its settings.
    bool SetSizeClass(LONG sizeClass);

    bool HasAboutDialog();
    bool ShowAboutDialog(HWND owner);
    bool HasSettingsDialog();
    // After the dialog the codec's state becomes the saved state.
    bool ShowSettingsDialog(HWND owner);

private:
    bool CreateInstalled();
    IAMVfwCompressDialogs* Dialogs();

    IVideoEncoderSettings* m_settings = nullptr;
    IAMVfwCompressDialogs* m_dialogs = nullptr;
    CString m_codecName;
    CString m_deviceName;
    unsigned char m_quality = 0;
    CHandle m_state;
};
