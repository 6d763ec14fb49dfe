#include "COmbrakData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(COmbrakData, CDvWriter2, FourCharCode("omkd"))

COmbrakData::COmbrakData()
{
    GetOutputType().SetSplitterType(100);
}
