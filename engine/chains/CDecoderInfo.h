#pragma once
// The decoders a transform chain tries, in order, kept in an ini file of the common
// application-data folder together with which decoder works for which input subtype.
#include "CIniProfile.h"
#include "CPersistList.h"
#include "CPersistObject.h"

class CDecoderItem;

// A built-in decoder: name, class id as text, DMO flag.
struct SDefaultDecoder {
    const char* name;
    const char* id;
    bool dmo;
};

class CDecoderInfo : public CPersistObject {
public:
    // Reads the file, adds the defaults it lacks, and writes it back.
    CDecoderInfo(const char* fileName, const SDefaultDecoder* defaults, int defaultCount);
    CDecoderInfo(const CDecoderInfo&) = delete;
    CDecoderInfo& operator=(const CDecoderInfo&) = delete;
    ~CDecoderInfo() override = default;

    int GetCodecCount() const { return m_codecs.GetItemCount(); }
    CPersistList& GetCodecs() { return m_codecs; }
    CDecoderItem* GetCodec(int index) const;
    int GetCodecIndex(const CDecoderItem* item) const;
    // GUID_NULL for an index out of range.
    GUID GetCodecId(int index) const;
    // Takes ownership; a negative position or one past the end appends.
    void AddCodec(CDecoderItem* item, int position = -1);
    // Removes and deletes the item.
    void RemoveCodec(CDecoderItem* item);
    CDecoderItem* Find(const GUID& id) const;

    void LoadIni();
    void SaveIni();
    void AddDefaultCodec(const GUID& id, const char* name, bool dmo);

    // False when the decoder is not listed or is recorded as failing for the subtype.
    bool UseDecoder(const GUID& decoder, const GUID& subtype, bool& isDmo, bool& tried);
    void SetUseDecoder(const GUID& decoder, const GUID& subtype, bool works);

    const char* GetIniPath() const { return m_profile.GetPath(); }

    static const char* const kCodecSection;
    static const char* const kCountKey;
    // A damaged count reads no further than this.
    static constexpr int kMaxCodecs = 1024;

private:
    CPersistList m_codecs{true};
    CIniProfile m_profile;
};
