#include "dshow/images/AnimatedGifMux.h"

#include "dshow/BasePin.h"
#include "dshow/images/ImageIds.h"
#include "dshow/images/ImageKinds.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {
const MultiplexerKind kKind = {&CLSID_AnimatedGifMux, "Animated GIF Mux", "gif", true};
} // namespace

HRESULT CAnimatedGifMux::Create(REFIID iid, void** object) { return CreateComObject<CAnimatedGifMux>(iid, object); }

CAnimatedGifMux::CAnimatedGifMux() : CStreamMultiplexer(kKind) {}

void* CAnimatedGifMux::FindInterface(REFIID iid)
{
    if (iid == IAnimatedGifSettings::kIid) return static_cast<IAnimatedGifSettings*>(this);
    return CStreamMultiplexer::FindInterface(iid);
}

HRESULT CAnimatedGifMux::SetLoop(BYTE loop)
{
    m_loop = loop != 0;
    return S_OK;
}

HRESULT CAnimatedGifMux::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    // GIF pictures only, and no sound.
    if (pin->Direction() == PINDIR_INPUT) {
        const ImageKind* kind = ReadImageType(type);
        if (pin->Index() != 0 || !kind || kind->codecId != AV_CODEC_ID_GIF) return VFW_E_TYPE_NOT_ACCEPTED;
    }
    return CStreamMultiplexer::CheckMediaType(pin, type);
}

void CAnimatedGifMux::ConfigureContainer(AVFormatContext& output)
{
    // The container counts the showings after the first: 0 for ever, -1 none.
    av_opt_set_int(output.priv_data, "loop", m_loop ? 0 : -1, 0);
}
