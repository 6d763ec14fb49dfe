#include "dshow/PictureConverter.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

CPictureConverter::~CPictureConverter() { sws_freeContext(m_scaler); }

bool CPictureConverter::Convert(const PicturePlanes& from, const PicturePlanes& to)
{
    if (from.pixelFormat < 0 || to.pixelFormat < 0) return false;
    if (from.pixelFormat == to.pixelFormat && from.width == to.width && from.height == to.height) {
        av_image_copy(const_cast<uint8_t**>(to.data), const_cast<int*>(to.strides),
                      const_cast<const uint8_t**>(from.data), from.strides,
                      AVPixelFormat(to.pixelFormat), to.width, to.height);
        return true;
    }
    const std::array<int, 6> request = {from.width, from.height, from.pixelFormat, to.width, to.height, to.pixelFormat};
    if (!m_scaler || request != m_request) {
        // Not the library's cached-context call: it keeps a full-range format under its
        // limited-range name, so it would build a new scaler for every such picture (and
        // start its dither afresh each time, unlike the tools).
        sws_freeContext(m_scaler);
        m_scaler = sws_getContext(from.width, from.height, AVPixelFormat(from.pixelFormat), to.width, to.height,
                                  AVPixelFormat(to.pixelFormat), SWS_BICUBIC, nullptr, nullptr, nullptr);
        m_request = request;
    }
    if (!m_scaler) return false;
    sws_scale(m_scaler, from.data, from.strides, 0, from.height, to.data, to.strides);
    return true;
}
