#include "UDroppedPaths.h"

#include "CDirectoryPath.h"
#include "CDropFileList.h"
#include "CPointerList.h"

void UDroppedPaths::Queue(HDROP drop, CPointerList& list)
{
    CDropFileList dropped(drop);
    for (int i = dropped.GetPathCount() - 1; i >= 0; --i) {
        CPath* path = dropped.GetPath(i);
        if (Unwind(path, list)) dropped.LetLoose(path);
    }
}

bool UDroppedPaths::Unwind(CPath* path, CPointerList& list)
{
    if (!path->IsDir()) {
        // Walked from the last, so each goes in front: the list keeps the paths' order.
        list.Add(path, 0);
        return true;
    }
    auto* folder = static_cast<CDirectoryPath*>(path);
    for (int i = folder->GetPathCount() - 1; i >= 0; --i) {
        CPath* child = folder->GetPath(i);
        if (Unwind(child, list)) folder->LetLoose(child);
    }
    return false;
}
