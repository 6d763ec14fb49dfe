#pragma once
// Shows a persistent object in a report-view list: one row per object and per value,
// all at one level, without the object ids and versions.
#include "CDisplayPersistStorage.h"

class CListCtrl;

class CListControlPersistStorage : public CDisplayPersistStorage {
public:
    // The name is not used; the list is not owned.
    CListControlPersistStorage(const char* name, CListCtrl* list);

    void EnterObject(const char* name) override;
    void LeaveObject() override;
    void SaveString(const char* name, const char* text) override;

    int GetDepth() const { return m_depth; }

private:
    int InsertRow(const char* name, const char* value);

    CListCtrl* m_list;
    int m_nextRow = 0;
    int m_depth = 0;
    bool m_columnsInserted = false;
};
