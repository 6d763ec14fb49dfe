#pragma once
// An image encoder ("Morvane JPG", "Morvane BMP", "Morvane GIF"): RGB pictures in, and out
// one whole image file per picture, for the image writers. GIF pictures that go to the
// animated-GIF multiplexer stay frames of one animation instead.
#include "dshow/encoders/VideoEncoderFilter.h"
#include "dshow/images/GifImages.h"

#include <vector>

struct ImageKind;

class CImageEncoder : public CVideoStreamEncoder {
public:
    explicit CImageEncoder(const ImageKind& kind);
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CImageEncoder() override;
    HRESULT OpenEncoding(const VIDEOINFOHEADER& input) override;
    HRESULT DeliverPacket(AVPacket& packet) override;

private:
    // Whether the output goes to a filter that makes one animation of the pictures.
    bool FeedsAnimation() const;

    const ImageKind& m_image;
    bool m_wholeGifFiles = false;
    CGifImages m_gif;
    std::vector<uint8_t> m_file;
    AVPacket* m_wholePacket = nullptr;
};
