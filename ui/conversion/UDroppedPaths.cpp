#include "UDroppedPaths.h"

#include "CDirectoryPath.h"
#include "CDropFileList.h"
#include "CPointerList.h"

#include <vector>

namespace {

// Moves the files of the path out of their owners into `files`, the last first; true when the
// path is a file itself (its owner lets it loose).
bool Collect(CPath* path, std::vector<CPath*>& files)
{
    if (!path->IsDir()) {
        files.push_back(path);
        return true;
    }
    auto* folder = static_cast<CDirectoryPath*>(path);
    for (int i = folder->GetPathCount() - 1; i >= 0; --i) {
        CPath* child = folder->GetPath(i);
        if (Collect(child, files)) folder->LetLoose(child);
    }
    return false;
}

// Puts the files, collected the last first, in front of the list in their own order; the list
// is rebuilt once instead of shifted for each file.
void PutInFront(const std::vector<CPath*>& files, CPointerList& list)
{
    if (files.empty()) return;
    const CPointerList rest = list;
    list.RemoveAll();
    for (auto file = files.rbegin(); file != files.rend(); ++file) list.Add(*file, -1);
    for (int i = 0; i < rest.GetItemCount(); ++i) list.Add(rest.GetAt(i), -1);
}

} // namespace

void UDroppedPaths::Queue(HDROP drop, CPointerList& list)
{
    CDropFileList dropped(drop);
    std::vector<CPath*> files;
    for (int i = dropped.GetPathCount() - 1; i >= 0; --i) {
        CPath* path = dropped.GetPath(i);
        if (Collect(path, files)) dropped.LetLoose(path);
    }
    PutInFront(files, list);
}

bool UDroppedPaths::Unwind(CPath* path, CPointerList& list)
{
    std::vector<CPath*> files;
    const bool file = Collect(path, files);
    PutInFront(files, list);
    return file;
}
