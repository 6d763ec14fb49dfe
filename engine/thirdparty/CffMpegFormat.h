#pragma once
// The codecs the ffmpeg engine offers for one output file type, with the name of its
// output format ("flv", "mpeg", ...).
#include "CThirdPartyFormat.h"
#include "afx/CString.h"

class CffMpegFormat : public CThirdPartyFormat {
public:
    void SetFormatText(const char* text) { m_formatText = text ? text : ""; }
    const char* GetFormatText() const { return m_formatText; }

private:
    CString m_formatText;
};
