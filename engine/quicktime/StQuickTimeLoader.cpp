#include "StQuickTimeLoader.h"

#include "StQt3g2Codecs.h"
#include "StQt3gpCodecs.h"
#include "StQtAiffCodecs.h"
#include "StQtAviCodecs.h"
#include "StQtDvCodecs.h"
#include "StQtDvProCodecs.h"
#include "StQtExportMovieCodecs.h"
#include "StQtFlcCodecs.h"
#include "StQtM4vCodecs.h"
#include "StQtMovieCodecs.h"
#include "StQtMp4Codecs.h"

StQuickTimeLoader* StQuickTimeLoader::sLoader = nullptr;

StQuickTimeLoader::StQuickTimeLoader()
{
    if (!sLoader) sLoader = this;
    m_lists.push_back(std::make_unique<StQtMovieCodecs>());
    m_lists.push_back(std::make_unique<StQtExportMovieCodecs>());
    m_lists.push_back(std::make_unique<StQtAviCodecs>());
    m_lists.push_back(std::make_unique<StQtDvCodecs>());
    m_lists.push_back(std::make_unique<StQtDvProCodecs>());
    m_lists.push_back(std::make_unique<StQtFlcCodecs>());
    m_lists.push_back(std::make_unique<StQt3gpCodecs>());
    m_lists.push_back(std::make_unique<StQt3g2Codecs>());
    m_lists.push_back(std::make_unique<StQtMp4Codecs>());
    m_lists.push_back(std::make_unique<StQtM4vCodecs>());
    m_lists.push_back(std::make_unique<StQtAiffCodecs>());
}

StQuickTimeLoader::~StQuickTimeLoader()
{
    if (sLoader == this) sLoader = nullptr;
}

StQtCodecs* StQuickTimeLoader::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_lists[size_t(index)].get() : nullptr;
}

StQtCodecs* StQuickTimeLoader::GetSplitterCodecs(ESplitterType type) const
{
    for (const auto& list : m_lists)
        if (list->GetSplitterType() == type) return list.get();
    return nullptr;
}

StQtCodecs* StQuickTimeLoader::GetFileTypeCodecs(ULONG fileType) const
{
    for (const auto& list : m_lists)
        if (list->GetFileType() == fileType) return list.get();
    return nullptr;
}
