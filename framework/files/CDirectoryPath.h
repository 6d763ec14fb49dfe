#pragma once
// A folder path with the tree of paths found below it.
#include "CPath.h"
#include "CPathList.h"

class CDirectoryPath : public CPath {
public:
    CDirectoryPath() = default;
    explicit CDirectoryPath(const char* path) : CPath(path) {}
    bool IsDir() const override { return true; }

    // Every entry of the folder, sub-folders populated to all depths.
    void Populate();
    // Entries named "*." + mask at the top level; sub-folders are populated whole.
    void Populate(const char* mask);

    int GetPathCount() const { return m_children.GetPathCount(); }
    CPath* GetPath(int i) const { return m_children.GetPath(i); }
    void LetLoose(CPath* path) { m_children.LetLoose(path); }

private:
    // The folders being walked, so that a link back to one of them is not walked again.
    struct SWalk;

    void PopulatePattern(const char* wildcard);
    void PopulatePattern(const char* wildcard, SWalk& walk);

    CPathList m_children;
};
