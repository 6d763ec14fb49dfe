#pragma once
// The mix-in through which a main window loads and saves the application's data object.
#include "afx/CString.h"

class CPersistObject;

class CPersistDataHost {
public:
    CPersistDataHost() = default;
    CPersistDataHost(const CPersistDataHost&) = default;
    CPersistDataHost& operator=(const CPersistDataHost&) = default;
    virtual ~CPersistDataHost() = default;

    void SetData(CPersistObject* data) { m_data = data; }
    CPersistObject* GetData() const { return m_data; }

    bool SaveData();
    bool LoadData();
    bool SaveDefault();
    bool LoadDefault();
    CString GetFileDescription() const;
    CString GetDefaultFileName() const { return CString("Data.xml"); }

protected:
    CPersistObject* m_data = nullptr;
    CString m_text;
};
