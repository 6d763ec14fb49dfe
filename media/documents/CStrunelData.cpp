#include "CStrunelData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CStrunelData, CDvWriter2, FourCharCode("stnd"))

CStrunelData::CStrunelData()
{
    GetOutputType().SetSplitterType(110);
    GetFilePath().SetAutoNaming(false);
}
