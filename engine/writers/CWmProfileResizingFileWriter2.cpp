#include "CWmProfileResizingFileWriter2.h"

#include "CWmProfile2.h"

CWmProfileResizingFileWriter2::CWmProfileResizingFileWriter2(CDirectShowGraph* graph, const char* name)
    : CWmProfileFileWriter2(graph, name)
{
}

CWmProfile2* CWmProfileResizingFileWriter2::Adjust(const CWmProfile2& found) const
{
    return found.CloneWith(m_width, m_height, m_frameRate, GetWantsAudio());
}
