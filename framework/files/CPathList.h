#pragma once
// An owned list of paths, kept in the order they were added. Copies are deep, so each
// list deletes only the paths it owns.
#include "CPointerList.h"

class CPath;

class CPathList {
public:
    CPathList() = default;
    CPathList(const CPathList& other);
    CPathList& operator=(const CPathList& other);
    ~CPathList();

    void Add(CPath* path);
    int GetPathCount() const { return m_paths.GetItemCount(); }
    // The i-th path, still owned by the list; null when out of range.
    CPath* GetPath(int i) const;
    // Removes the path without deleting it; the caller owns it then.
    void LetLoose(CPath* path);
    void DeleteAll();

private:
    CPointerList m_paths;
};
