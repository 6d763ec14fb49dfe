#include "CFilePrompter.h"
#include "CRegistry.h"
#include "UFileUtils.h"
#include "afx/windows/CFileDialog.h"

#include <vector>

namespace {
constexpr DWORD kDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
constexpr DWORD kSaveNameSize = 260;
constexpr DWORD kOpenNameSize = 66560;
} // namespace

CFilePrompter::CFilePrompter(CRegistry* registry) : m_registry(registry) {}

void CFilePrompter::AddFilter(const char* pattern, const char* description)
{
    CString stored = pattern ? pattern : "";
    if (stored.IsEmpty() || stored[0] != '*') stored = CString("*.") + stored;
    m_filters.emplace_back(stored, CString(description ? description : ""));
}

std::string CFilePrompter::FilterString(const std::vector<Pair>& filters)
{
    std::string text;
    for (const Pair& filter : filters) {
        text += filter.second.Str();
        text += '\0';
        text += filter.first.Str();
        text += '\0';
    }
    text += '\0';
    return text;
}

DWORD CFilePrompter::StoredFilterIndex(DWORD defaultIndex, DWORD count) const
{
    if (!m_registry) return defaultIndex;
    DWORD index = m_registry->GetValue(defaultIndex);
    // A stored index another prompt left with a longer filter list would name no filter.
    return index >= 1 && index <= count ? index : defaultIndex;
}

void CFilePrompter::Choose(const CString& path)
{
    m_chosen.emplace_back(path, CString(UFileUtils::GetFileExtension(path)));
}

CString CFilePrompter::GetFile(int i, CString& extension) const
{
    if (i < 0 || i >= GetSelectedCount()) {
        extension.Empty();
        return CString();
    }
    const Pair& chosen = m_chosen[static_cast<size_t>(i)];
    extension = chosen.second;
    return chosen.first;
}

bool CFilePrompter::PromptSaveAs()
{
    m_chosen.clear();
    std::string filter = FilterString(m_filters);
    const char* defaultExt = m_filters.empty() ? nullptr : m_filters.front().first.GetString();
    CFileDialog dialog(FALSE, defaultExt, nullptr, kDialogFlags, nullptr, nullptr);
    std::vector<char> name(kSaveNameSize, '\0');
    if (!m_filters.empty()) {
        dialog.m_ofn.nFilterIndex = StoredFilterIndex(1, static_cast<DWORD>(m_filters.size()));
        m_defaultName.Str().copy(name.data(), kSaveNameSize - 1);
    }
    dialog.m_ofn.lpstrFilter = filter.c_str();
    dialog.m_ofn.lpstrFile = name.data();
    dialog.m_ofn.nMaxFile = kSaveNameSize;
    dialog.m_ofn.lpstrTitle = "Save File";
    dialog.m_ofn.Flags |= OFN_PATHMUSTEXIST;

    INT_PTR result = dialog.DoModal();
    if (result != IDOK && CommDlgExtendedError() != 0) {
        // The dialog could not start, as with a name it cannot take: once more without it.
        name.assign(kSaveNameSize, '\0');
        result = dialog.DoModal();
    }
    if (result != IDOK) return false;
    Choose(dialog.GetPathName());
    if (m_registry) m_registry->SetValue(dialog.m_ofn.nFilterIndex);
    return true;
}

bool CFilePrompter::PromptOpen(bool multiple)
{
    m_chosen.clear();
    // "All Files" goes into this dialog's list only, so repeated prompts do not pile it up.
    std::vector<Pair> filters = m_filters;
    filters.emplace_back(CString("*.*"), CString("All Files"));
    std::string filter = FilterString(filters);
    CFileDialog dialog(TRUE, m_filters.empty() ? nullptr : m_filters.front().first.GetString(), nullptr,
                       kDialogFlags, nullptr, nullptr);
    std::vector<char> name(kOpenNameSize, '\0');
    DWORD count = static_cast<DWORD>(filters.size());
    dialog.m_ofn.nFilterIndex = StoredFilterIndex(count, count);
    dialog.m_ofn.lpstrFilter = filter.c_str();
    dialog.m_ofn.lpstrFile = name.data();
    dialog.m_ofn.nMaxFile = kOpenNameSize;
    dialog.m_ofn.lpstrTitle = "Open File";
    dialog.m_ofn.Flags |= OFN_FILEMUSTEXIST | (multiple ? OFN_ALLOWMULTISELECT : 0);
    if (dialog.DoModal() != IDOK) return false;
    for (POSITION position = dialog.GetStartPosition(); position;) Choose(dialog.GetNextPathName(position));
    if (m_registry) m_registry->SetValue(dialog.m_ofn.nFilterIndex);
    return true;
}
