#pragma once
// The slide-show maker's document: output settings and the slide show.
#include "CMediaWriter2.h"
#include "CSlideShow2.h"
#include "TMemberDocument.h"

class CFennowData : public TMemberDocument<CMediaWriter2, CSlideShow2, SlideShowTag> {
    MV_DECLARE_PERSIST_CLASS(CFennowData)
public:
    CFennowData();

    CSlideShow2& GetSlideShow() { return m_member; }
};
