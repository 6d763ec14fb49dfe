#pragma once
// "Test Video Capture": a camera that films a moving pattern, live, at a choice of sizes
// and frame rates, as RGB32 or RGB24.
#include "dshow/capture/CaptureSource.h"
#include "dshow/capture/PictureControls.h"

class CTestVideoCapture : public CCaptureSource {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTestVideoCapture();

    // The sizes and frame rates the device offers, as the enumerator lists them.
    static std::vector<struct CaptureMode> Modes();

    HRESULT SetFormat(const AM_MEDIA_TYPE* type) override;

protected:
    ~CTestVideoCapture() override;
    void* FindInterface(REFIID iid) override;
    HRESULT Open(const AM_MEDIA_TYPE& format) override;
    HRESULT Capture(const AM_MEDIA_TYPE& format) override;
    void Close() override {}

private:
    void Draw(const struct VIDEOINFOHEADER& info);

    class CTestPictureControls* m_levels;
    CPictureControls m_controls;
    int64_t m_frame = 0;
    std::vector<BYTE> m_picture;
};
