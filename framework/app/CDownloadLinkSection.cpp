#include "CDownloadLinkSection.h"

#include <cstdio>

namespace {
CString Caption(int index)
{
    char text[32];
    std::snprintf(text, sizeof text, "Download %d", index);
    return CString(text);
}
} // namespace

CDownloadLinkSection::CDownloadLinkSection(int index) : CLinkSection(Caption(index)), m_index(index) {}
