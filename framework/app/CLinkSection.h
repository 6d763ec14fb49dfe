#pragma once
// A captioned list of link entries; it owns them.
#include "CPointerList.h"
#include <vector>
#include "afx/CString.h"

class CIniProfile;
class CLinkEntry;
class CMenu;

class CLinkSection {
public:
    explicit CLinkSection(const char* caption = "");
    CLinkSection(const CLinkSection&) = delete;
    CLinkSection& operator=(const CLinkSection&) = delete;
    virtual ~CLinkSection();

    const CString& GetCaption() const { return m_caption; }
    void AddEntry(const char* tag);
    int GetEntryCount() const { return m_entries.GetItemCount(); }
    CLinkEntry* GetEntry(int index) const;

    // The tags under keys "0", "1", ... of section in the profile, up to the first empty one.
    static std::vector<CString> ReadTags(const char* section, CIniProfile* profile);
    // Appends the entries that are not the running product, numbered from counter on.
    int AppendTo(CMenu& menu, int& counter);
    // Opens the web page of the entry with command id; false when none has it.
    bool OnCommand(int id);

protected:
    CString m_caption;
    CPointerList m_entries;
};
