#include "CPathList.h"
#include "CPath.h"

CPathList::CPathList(const CPathList& other)
{
    for (int i = 0; i < other.GetPathCount(); ++i) Add(CPath::Duplicate(*other.GetPath(i)));
}

CPathList& CPathList::operator=(const CPathList& other)
{
    if (this == &other) return *this;
    CPathList copy(other);
    DeleteAll();
    for (int i = 0; i < copy.GetPathCount(); ++i) m_paths.Add(copy.GetPath(i));
    copy.m_paths.RemoveAll();
    return *this;
}

CPathList::~CPathList() { DeleteAll(); }

void CPathList::Add(CPath* path)
{
    if (path) m_paths.Add(path);
}

CPath* CPathList::GetPath(int i) const
{
    if (i < 0 || i >= GetPathCount()) return nullptr;
    return static_cast<CPath*>(m_paths.GetAt(i));
}

// Paths are let loose from the last as a rule, so the search starts there.
void CPathList::LetLoose(CPath* path)
{
    for (int i = GetPathCount() - 1; i >= 0; --i)
        if (m_paths.GetAt(i) == path) {
            m_paths.RemoveAt(i);
            return;
        }
}

void CPathList::DeleteAll()
{
    for (int i = 0; i < GetPathCount(); ++i) delete GetPath(i);
    m_paths.RemoveAll();
}
