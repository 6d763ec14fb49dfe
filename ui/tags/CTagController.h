#pragma once
// Edits one descriptive tag: which tag it is, by its friendly name, and its text; the genre
// is chosen from the list of genres instead of typed.
#include "CObjectController2.h"
#include "afx/CString.h"

class CComboBox;
class CEntryField;
class CNamedValue;

class CTagController : public CObjectController2 {
public:
    CTagController();
    ~CTagController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CComboBox* name, CEntryField* value, CComboBox* valueList);

    // Through the process's tag maps; empty texts without them.
    static CString GetTag(const char* friendly);
    static CString GetName(const char* tag);
    static CString GetGenreId(const char* name);
    static CString GetGenre(const char* id);

    void PopulateName();
    void PopulateValue();
    void ReflectName();
    void ReflectValue();
    void EnterName();
    void EnterValue();

    CNamedValue* GetNamedValue() const;

    // The one tag whose value is chosen from a list.
    static const char* const kGenreTag;

private:
    bool IsGenre() const;

    CComboBox* m_name = nullptr;
    CEntryField* m_value = nullptr;
    CComboBox* m_valueList = nullptr;
};
