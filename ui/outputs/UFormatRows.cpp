#include "UFormatRows.h"

#include "CFormatType.h"
#include "CFormatTypes.h"
#include "UFilterUtils2.h"

CFormatType* UFormatRows::Find(ESplitterType type)
{
    return CFormatTypes::sFormatTypes ? CFormatTypes::sFormatTypes->FindFileType(type) : nullptr;
}

bool UFormatRows::HasTvOption(const CFormatType* row)
{
    return row && row->GetTvOptionCount() > 0;
}

CTvCodecOption* UFormatRows::FindTvOption(const CFormatType* row, ETvType tvType)
{
    return HasTvOption(row) ? row->Find(tvType) : nullptr;
}

bool UFormatRows::FormatInstalled(ESplitterType type)
{
    return UFilterUtils2::FormatInstalled(type);
}
