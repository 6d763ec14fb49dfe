#pragma once
// The paths the user dropped on a window, folders with their whole tree.
#include "CPathList.h"
#include "win32/WinTypes.h"

class CDropFileList {
public:
    explicit CDropFileList(HDROP drop);

    int GetPathCount() const { return m_paths.GetPathCount(); }
    CPath* GetPath(int i) const { return m_paths.GetPath(i); }
    void LetLoose(CPath* path) { m_paths.LetLoose(path); }

private:
    CPathList m_paths;
};
