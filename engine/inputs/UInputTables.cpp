#include "UInputTables.h"

#include "CSplitterInfo.h"

#include <memory>

namespace {

CFileFilterData* gReplacement = nullptr;

} // namespace

CSplitterInfo* UInputTables::GetSplitterInfo()
{
    // Made on first use, so that it reads the data folder in force then.
    static std::unique_ptr<CSplitterInfo> info(new CSplitterInfo);
    return info.get();
}

CFileFilterData* UInputTables::Get()
{
    if (gReplacement) return gReplacement;
    return &GetSplitterInfo()->GetFilterData();
}

void UInputTables::Set(CFileFilterData* tables)
{
    gReplacement = tables;
}
