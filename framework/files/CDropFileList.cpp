#include "CDropFileList.h"
#include "CDirectoryPath.h"
#include "CFilePath.h"
#include "win32/windowing/Shell.h"

#include <vector>

CDropFileList::CDropFileList(HDROP drop)
{
    UINT count = DragQueryFileA(drop, 0xFFFFFFFFu, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Sized to the name, so a long name is taken whole instead of cut to a wrong path.
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        if (length == 0) continue;
        std::vector<char> name(length + 1, '\0');
        if (DragQueryFileA(drop, i, name.data(), length + 1) == 0) continue;
        if (CPath::IsDir(name.data())) {
            CString folder = name.data();
            if (folder[folder.GetLength() - 1] != '/') folder += '/';
            auto path = new CDirectoryPath(folder);
            path->Populate();
            m_paths.Add(path);
        } else {
            m_paths.Add(new CFilePath(name.data()));
        }
    }
}
