#include "CListControlPersistStorage.h"

#include "CPersistObject.h"
#include "afx/controls/CListCtrl.h"

#include <cstring>

CListControlPersistStorage::CListControlPersistStorage(const char*, CListCtrl* list) : m_list(list) {}

int CListControlPersistStorage::InsertRow(const char* name, const char* value)
{
    if (!m_list) return -1;
    int row = m_list->InsertItem(m_nextRow, name);
    if (row >= 0 && value) m_list->SetItemText(row, 1, value);
    m_nextRow++;
    return row;
}

void CListControlPersistStorage::EnterObject(const char* name)
{
    if (!m_columnsInserted && m_list) {
        m_list->InsertColumn(0, "Property", LVCFMT_LEFT, 80);
        m_list->InsertColumn(1, "Value", LVCFMT_LEFT, 160);
        m_columnsInserted = true;
    }
    InsertRow(name ? name : "", nullptr);
    m_depth++;
}

void CListControlPersistStorage::LeaveObject()
{
    m_depth--;
}

void CListControlPersistStorage::SaveString(const char* name, const char* text)
{
    if (!name) name = "";
    if (std::strcmp(name, CPersistObject::kPersistObjectIdTag) == 0 ||
        std::strcmp(name, CPersistObject::kPersistObjectVersionTag) == 0)
        return;
    InsertRow(name, text);
}
