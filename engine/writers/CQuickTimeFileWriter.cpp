#include "CQuickTimeFileWriter.h"

#include "CQuickTimeExportWriter.h"
#include "FourCharCode.h"
#include "StApplicationId.h"
#include "WriterIds.h"

CQuickTimeFileWriter::CQuickTimeFileWriter(CDirectShowGraph* graph, const char* name)
    : CFileWriterFilter(graph, name), m_fileType(FourCharCode("MooV"))
{
    const unsigned long application = StApplicationId::Id();
    if (application == 20000)
        SetId(CLSID_QuickTimeWriter20000);
    else if (application == 59301 || application == 64481)
        SetId(CLSID_QuickTimeWriter59301);
    else
        SetId(CLSID_QuickTimeWriter);
    AddStreamPins();
}

bool CQuickTimeFileWriter::Create()
{
    if (GetFilter()) return true;
    if (!CQuickTimeExportWriter::IsQuickTimeStarted()) {
        if (sPromptError) PromptCreateError();
        return false;
    }
    return CFileWriterFilter::Create();
}
