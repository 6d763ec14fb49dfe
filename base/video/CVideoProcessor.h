#pragma once
// Base of everything that reads a video frame: the input frame's geometry, the rectangle to
// process, the colour format, the caller's buffer and an optional byte mask, and where each
// channel of the rectangle starts in memory.
#include "EColorFormat.h"
#include "win32/WinTypes.h"

class CVideoProcessor {
public:
    CVideoProcessor() = default;
    CVideoProcessor(const CVideoProcessor& other);
    CVideoProcessor& operator=(const CVideoProcessor& other);
    virtual ~CVideoProcessor();

    virtual void SetInputData(BYTE* data) { m_inputData = data; }
    virtual BYTE* GetInputRgbDataStart();
    virtual BYTE* GetInputYDataStart();
    virtual BYTE* GetInputUDataStart();
    virtual BYTE* GetInputVDataStart();
    // Called by the setters on a change; deliberately not virtual: a derived scaler's cached
    // layout is cleared by its owner.
    void ResetFlags() {}

    void SetInputX(unsigned short v);
    void SetInputY(unsigned short v);
    void SetInputWidth(unsigned short v);
    void SetInputHeight(unsigned short v);
    void SetInputImageWidth(unsigned short v);
    void SetInputImageHeight(unsigned short v);
    void SetInputColor(EColorFormat v);
    void SetFlip(bool v);
    void SetInputTopDown(bool v);
    void SetOriginalWidth(unsigned short w);
    void SetOriginalHeight(unsigned short h);
    void SetColor(bool color) { m_color = color; }
    void SetMask(const BYTE* mask);
    void ResetMask();

    unsigned short GetOriginalWidth() const { return m_originalWidth; }
    unsigned short GetOriginalHeight() const { return m_originalHeight; }
    unsigned short GetInputX() const { return m_inputX; }
    unsigned short GetInputY() const { return m_inputY; }
    unsigned short GetInputWidth() const { return m_inputWidth; }
    unsigned short GetInputHeight() const { return m_inputHeight; }
    unsigned short GetInputImageWidth() const { return m_inputImageWidth; }
    unsigned short GetInputImageHeight() const { return m_inputImageHeight; }
    EColorFormat GetInputColor() const { return m_inputColor; }
    BYTE* GetInputData() const { return m_inputData; }
    bool GetFlip() const { return m_flip; }
    bool GetInputTopDown() const { return m_inputTopDown; }
    bool GetColor() const { return m_color; }
    const BYTE* GetMask() const { return m_mask; }

    int GetInputBytePerPixel() const;
    int GetInputYBytePerPixel() const;
    int GetInputUBytePerPixel() const;
    int GetInputVBytePerPixel() const { return GetInputUBytePerPixel(); }
    int GetInputYLineSize() const;
    int GetInputULineSize() const;
    int GetInputVLineSize() const { return GetInputULineSize(); }
    int GetInputYWidth() const { return m_inputWidth; }
    int GetInputYHeight() const { return m_inputHeight; }
    int GetInputUWidth() const;
    int GetInputVWidth() const { return GetInputUWidth(); }
    int GetInputUHeight() const;
    int GetInputVHeight() const { return GetInputUHeight(); }
    int GetInputLineSize() const;
    int GetInputProcessingAreaLineSize() const;
    const BYTE* GetMaskDataStart() const;

protected:
    // The line length of the input buffer in pixels.
    int InputBufferWidth() const { return m_inputImageWidth ? m_inputImageWidth : m_originalWidth; }

    BYTE m_constU = 128;
    BYTE m_constV = 128;
    unsigned short m_originalWidth = 0;
    unsigned short m_originalHeight = 0;
    unsigned short m_inputX = 0;
    unsigned short m_inputY = 0;
    unsigned short m_inputWidth = 0;
    unsigned short m_inputHeight = 0;
    unsigned short m_inputImageWidth = 0;
    unsigned short m_inputImageHeight = 0;
    EColorFormat m_inputColor = kColorNone;
    BYTE* m_inputData = nullptr;
    bool m_flip = false;
    bool m_inputTopDown = true;
    bool m_color = true;
    BYTE* m_mask = nullptr;
};
