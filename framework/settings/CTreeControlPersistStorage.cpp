#include "CTreeControlPersistStorage.h"

#include "afx/controls/CTreeCtrl.h"

CTreeControlPersistStorage::CTreeControlPersistStorage(const char*, CTreeCtrl* tree) : m_tree(tree) {}

HTREEITEM CTreeControlPersistStorage::Insert(const char* text)
{
    if (!m_tree) return nullptr;
    return m_tree->InsertItem(text, m_current ? m_current : TVI_ROOT, TVI_LAST);
}

void CTreeControlPersistStorage::EnterObject(const char* name)
{
    HTREEITEM item = Insert(name ? name : "");
    if (item) m_current = item;
}

void CTreeControlPersistStorage::LeaveObject()
{
    if (m_current && m_tree) m_current = m_tree->GetParentItem(m_current);
}

void CTreeControlPersistStorage::SaveString(const char* name, const char* text)
{
    CString item;
    item.Format("%s: %s", name ? name : "", text ? text : "");
    Insert(item);
}
