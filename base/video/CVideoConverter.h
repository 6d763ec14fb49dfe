#pragma once
// Turns a frame of one colour format and size into a frame of another: chooses one scaler, or
// two with an intermediate frame (the bridge) between them, builds them on the first frame after
// any change, and drives them.
#include <cstddef>
#include <memory>
#include <vector>

#include "CVideoScaler.h"

class CVideoConverter {
public:
    CVideoConverter();
    CVideoConverter(const CVideoConverter& other);
    CVideoConverter& operator=(const CVideoConverter& other);
    virtual ~CVideoConverter();

    virtual void Reset();
    virtual void Convert(BYTE* in, BYTE* out, double time);
    virtual void Initialize();
    virtual bool NeedBridge(EColorFormat& format, unsigned short& width, unsigned short& height);
    virtual void InitializeScalers();
    virtual void InitializeWithBridge(EColorFormat format, unsigned short width, unsigned short height);
    virtual void InitializeWithoutBridge();
    virtual void CopyInputInfo(CVideoScaler* scaler);
    virtual void CopyOutputInfo(CVideoScaler* scaler);
    virtual void ScaleWithBridge(BYTE* in, BYTE* out);
    virtual void ScaleWithoutBridge(BYTE* in, BYTE* out);
    virtual void Black();
    virtual void BlackAll(BYTE* out);

    void SetInputX(unsigned short v);
    void SetInputY(unsigned short v);
    void SetInputWidth(unsigned short v);
    void SetInputHeight(unsigned short v);
    void SetInputImageWidth(unsigned short v);
    void SetInputImageHeight(unsigned short v);
    void SetOutputX(unsigned short v);
    void SetOutputY(unsigned short v);
    void SetOutputWidth(unsigned short v);
    void SetOutputHeight(unsigned short v);
    void SetOutputImageWidth(unsigned short v);
    void SetOutputImageHeight(unsigned short v);
    void SetInputColor(EColorFormat v);
    void SetOutputColor(EColorFormat v);
    void SetGreyScale(bool v);
    void SetOriginalWidth(unsigned short w);
    void SetOriginalHeight(unsigned short h);
    void SetTargetWidth(unsigned short w);
    void SetTargetHeight(unsigned short h);
    void SetFlip(bool v);
    void SetInputFormat(EColorFormat format, unsigned short width, unsigned short height);
    void SetOutputFormat(EColorFormat format, unsigned short width, unsigned short height);

    void SetImageFlip(EImageFlip v) { m_imageFlip = v; }
    void SetImageRotation(EImageRotation v) { m_imageRotation = v; }
    void SetInputTopDown(bool v) { m_inputTopDown = v; }
    void SetOutputTopDown(bool v) { m_outputTopDown = v; }
    void SetMask(const BYTE* mask) { m_mask = mask; }
    void SetBlackBorder(bool v) { m_blackBorder = v; }
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index);

    unsigned short GetOriginalWidth() const { return m_originalWidth; }
    unsigned short GetOriginalHeight() const { return m_originalHeight; }
    unsigned short GetInputX() const { return m_inputX; }
    unsigned short GetInputY() const { return m_inputY; }
    unsigned short GetInputWidth() const { return m_inputWidth; }
    unsigned short GetInputHeight() const { return m_inputHeight; }
    unsigned short GetInputImageWidth() const { return m_inputImageWidth; }
    unsigned short GetInputImageHeight() const { return m_inputImageHeight; }
    unsigned short GetTargetWidth() const { return m_targetWidth; }
    unsigned short GetTargetHeight() const { return m_targetHeight; }
    unsigned short GetOutputX() const { return m_outputX; }
    unsigned short GetOutputY() const { return m_outputY; }
    unsigned short GetOutputWidth() const { return m_outputWidth; }
    unsigned short GetOutputHeight() const { return m_outputHeight; }
    unsigned short GetOutputImageWidth() const { return m_outputImageWidth; }
    unsigned short GetOutputImageHeight() const { return m_outputImageHeight; }
    EColorFormat GetInputColor() const { return m_inputColor; }
    EColorFormat GetOutputColor() const { return m_outputColor; }
    bool GetGreyScale() const { return m_greyScale; }
    bool GetInputTopDown() const { return m_inputTopDown; }
    bool GetOutputTopDown() const { return m_outputTopDown; }
    bool GetFlip() const { return m_flip; }
    EImageFlip GetImageFlip() const { return m_imageFlip; }
    EImageRotation GetImageRotation() const { return m_imageRotation; }
    bool GetBlackBorder() const { return m_blackBorder; }
    CVideoScaler* GetScaler() const { return m_scaler.get(); }
    CVideoScaler* GetBridgeScaler() const { return m_bridgeScaler.get(); }

    // Bytes of a frame of the format and size.
    static size_t GetBufferSize(EColorFormat format, unsigned short width, unsigned short height);
    size_t GetOutputBufferSize() const;

protected:
    // Builds the scalers if a setting changed; the one that writes the output frame, or null.
    CVideoScaler* PrepareScalers();
    void BuildScalers(bool bridge, EColorFormat format);
    std::unique_ptr<CVideoScaler> BuildScaler(EColorFormat input, EColorFormat output) const;
    void SetInputRect(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void SetOutputRect(unsigned short x, unsigned short y, unsigned short width, unsigned short height);

    BYTE m_red[256] = {};
    BYTE m_green[256] = {};
    BYTE m_blue[256] = {};
    unsigned short m_originalWidth = 0;
    unsigned short m_originalHeight = 0;
    unsigned short m_inputX = 0;
    unsigned short m_inputY = 0;
    unsigned short m_inputWidth = 0;
    unsigned short m_inputHeight = 0;
    unsigned short m_inputImageWidth = 0;
    unsigned short m_inputImageHeight = 0;
    unsigned short m_targetWidth = 320;
    unsigned short m_targetHeight = 240;
    unsigned short m_outputX = 0;
    unsigned short m_outputY = 0;
    unsigned short m_outputWidth = 320;
    unsigned short m_outputHeight = 240;
    unsigned short m_outputImageWidth = 0;
    unsigned short m_outputImageHeight = 0;
    EColorFormat m_inputColor = kColorNone;
    EColorFormat m_outputColor = kColorNone;
    bool m_greyScale = false;
    bool m_inputTopDown = true;
    bool m_outputTopDown = true;
    bool m_flip = false;
    EImageFlip m_imageFlip = kImageFlipNone;
    EImageRotation m_imageRotation = kImageRotationNone;
    std::unique_ptr<CVideoScaler> m_scaler;
    std::unique_ptr<CVideoScaler> m_bridgeScaler;
    std::vector<BYTE> m_bridgeBuffer;
    const BYTE* m_mask = nullptr;
    bool m_blackBorder = true;
};
