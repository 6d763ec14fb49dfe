#include "CRgb8toYuvVideoScaler.h"

#include <cstring>

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

namespace {

// Palette indices looked up in the Y, U and V tables.
struct PaletteYuv {
    void LumaRow(int i) { luma.Row(i); }
    BYTE Luma(int j) const { return y[*luma.At(j)]; }
    void ChromaRow(int c) { chroma.Row(c); }
    void Chroma(int k, BYTE& cb, BYTE& cr) const
    {
        const BYTE p = *chroma.At(k);
        cb = u[p];
        cr = v[p];
    }

    ScalerSources::Grid luma, chroma;
    const BYTE* y;
    const BYTE* u;
    const BYTE* v;
};

}  // namespace

CRgb8toYuvVideoScaler::CRgb8toYuvVideoScaler()
{
    std::memset(m_y, 128, sizeof m_y);
    std::memset(m_u, 128, sizeof m_u);
    std::memset(m_v, 128, sizeof m_v);
}

void CRgb8toYuvVideoScaler::SetPalette(BYTE r, BYTE g, BYTE b, BYTE index)
{
    m_y[index] = UColorSpace::RGBtoY(r, g, b);
    m_u[index] = UColorSpace::RGBtoCb(r, g, b);
    m_v[index] = UColorSpace::RGBtoCr(r, g, b);
}

void CRgb8toYuvVideoScaler::ScaleLayout(EYuvLayout layout, bool grey)
{
    StartChromaMaps();
    PaletteYuv src{{m_xMap, m_yMap}, {m_cxMap, m_cyMap}, m_y, m_u, m_v};
    ScalerWalk::WalkYuv(*this, src, OutputYuvTarget(false, 0, grey), layout);
}
