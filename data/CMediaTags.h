#pragma once
// The descriptive tags of a media file as name/value pairs, kept sorted by their
// display names (or by their ids when there are no tag maps).
#include "CPersistList.h"
#include "CPersistObject.h"

class CNamedValue;

class CMediaTags : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaTags)
public:
    CMediaTags();
    CMediaTags(const CMediaTags& other) = default;
    CMediaTags& operator=(const CMediaTags& other);
    ~CMediaTags() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The first entry whose name equals the text byte for byte, or null.
    CNamedValue* FindValue(const char* name) const;
    // Replaces the value of an entry of that name, or adds a new entry in its place.
    void AddValue(const char* name, const char* value);
    CNamedValue* GetValue(int index) const;
    int GetValueCount() const { return m_values.GetItemCount(); }
    CPersistList& GetValues() { return m_values; }

    // The list's order: -1 when the first sorts before the second, else 1; 0 when
    // either is missing.
    static int CompareTags(const void* first, const void* second);

    static const char* const kMediaTagsValuesTag;

private:
    CPersistList m_values{true};
};
