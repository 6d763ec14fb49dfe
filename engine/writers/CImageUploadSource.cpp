#include "CImageUploadSource.h"

#include "CHandle.h"
#include "EColorFormat.h"

#include <cstdint>

namespace {

// The layouts the filter's pictures have: blue, green, red, with a spare byte for 32 bits.
EColorFormat ColourOfBits(LONG bits)
{
    return bits == 32 ? kColorRgb32 : bits == 24 ? kColorRgb24 : kColorNone;
}

LONG BitsOfColour(EColorFormat colour)
{
    return colour == kColorRgb32 || colour == kColorArgb32 ? 32 : colour == kColorRgb24 ? 24 : 0;
}

void AppendTo(void* context, const BYTE* data, LONG size)
{
    if (size > 0 && !static_cast<CHandle*>(context)->Append(data, uint32_t(size))) static_cast<CHandle*>(context)->Clear();
}

} // namespace

CImageUploadSource::CImageUploadSource(IImageUploadFrames* frames) : m_frames(frames) { m_frames->AddRef(); }

CImageUploadSource::~CImageUploadSource()
{
    m_frames->SetFrameSink(nullptr);
    m_frames->Release();
}

HRESULT CImageUploadSource::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = iid == IUnknown::kIid || iid == IVideoPostback::kIid ? static_cast<IVideoPostback*>(this) : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
}

HRESULT CImageUploadSource::SetPostbackHandler(IVideoPostbackHandler* handler)
{
    // The filter lets go of this sink first, so that no picture reaches a handler that left.
    m_frames->SetFrameSink(nullptr);
    {
        std::lock_guard lock(m_handlerLock);
        m_handler = handler;
    }
    return handler ? m_frames->SetFrameSink(this) : S_OK;
}

void CImageUploadSource::TakeFrame(const BYTE* data, LONG size, LONG bits, bool topDown, LONG width, LONG height)
{
    if (width > UINT16_MAX || height > UINT16_MAX) return;
    std::lock_guard lock(m_handlerLock);
    if (m_handler)
        m_handler->ProcessImage(data, static_cast<unsigned long>(size), ColourOfBits(bits), topDown,
                                static_cast<unsigned short>(width), static_cast<unsigned short>(height),
                                static_cast<unsigned short>(width), static_cast<unsigned short>(height));
}

HRESULT CImageUploadSource::EncodeImage(const unsigned char* data, unsigned long length, EColorFormat colour,
                                        bool topDown, unsigned short imageWidth, unsigned short imageHeight,
                                        unsigned short, unsigned short, EImageType type, unsigned char quality,
                                        unsigned short targetWidth, unsigned short targetHeight, CHandle* output)
{
    if (!output) return E_POINTER;
    const LONG bits = BitsOfColour(colour);
    if (!bits || length > static_cast<unsigned long>(INT32_MAX)) return E_INVALIDARG;
    return m_frames->EncodeFrame(data, LONG(length), bits, topDown, imageWidth, imageHeight, LONG(type), quality,
                                 targetWidth, targetHeight, &AppendTo, output);
}
