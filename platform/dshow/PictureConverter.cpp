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
    const int flags = SWS_BICUBIC;
    m_scaler = sws_getCachedContext(m_scaler, from.width, from.height, AVPixelFormat(from.pixelFormat), to.width,
                                    to.height, AVPixelFormat(to.pixelFormat), flags, nullptr, nullptr, nullptr);
    if (!m_scaler) return false;
    sws_scale(m_scaler, from.data, from.strides, 0, from.height, to.data, to.strides);
    return true;
}
