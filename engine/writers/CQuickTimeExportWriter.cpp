#include "CQuickTimeExportWriter.h"

#include "StApplicationId.h"

CQuickTimeExportWriter::CQuickTimeExportWriter(CDirectShowGraph* graph, const char* name, ULONG fileType)
    : CFileWriterFilter(graph, name), m_fileType(fileType)
{
    AddStreamPins();
}

void CQuickTimeExportWriter::UseIdFor(const GUID& id, const GUID& alternative,
                                      std::initializer_list<unsigned long> applications)
{
    SetId(id);
    for (unsigned long application : applications)
        if (StApplicationId::Id() == application) SetId(alternative);
}

void CQuickTimeExportWriter::SetSettings(const unsigned char* bytes, uint32_t size)
{
    m_settings.Allocate(0, false);
    if (bytes && size > 0) m_settings.Append(bytes, size);
}

bool CQuickTimeExportWriter::Create()
{
    if (GetFilter()) return true;
    if (!IsQuickTimeStarted()) {
        if (sPromptError) PromptCreateError();
        return false;
    }
    return CFileWriterFilter::Create();
}
