#include "UFormatRows.h"

#include "CFormatType.h"
#include "CFormatTypes.h"
#include "UFilterUtils2.h"

CFormatType* UFormatRows::Find(ESplitterType type)
{
    return CFormatTypes::sFormatTypes ? CFormatTypes::sFormatTypes->FindFileType(type) : nullptr;
}

bool UFormatRows::HasTvOption(const CFormatType*)
{
    // The engine's table lists no TV standards yet.
    return false;
}

CTvCodecOption* UFormatRows::FindTvOption(const CFormatType*, ETvType)
{
    return nullptr;
}

bool UFormatRows::FormatInstalled(ESplitterType type)
{
    return UFilterUtils2::FormatInstalled(type);
}
