#pragma once
// A saved catalogue of codecs, kept in display name order, and its lookups by output
// file type and name.
#include "CCodecInfo.h"

class CCodecsInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CCodecsInfo)
public:
    CCodecsInfo();
    CCodecsInfo(const CCodecsInfo&) = default;
    CCodecsInfo& operator=(const CCodecsInfo&) = default;
    ~CCodecsInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetCodecCount() const { return m_codecs.GetItemCount(); }
    CCodecInfo* GetCodec(int index) const;
    void AddCodec(CCodecInfo* codec) { m_codecs.Add(codec); }
    void RemoveCodec(CCodecInfo* codec);

    // All lookups consider only codecs supported for the file type, in list order.
    CCodecInfo* FindCodec(ESplitterType type) const;
    // By display name; failing that, a program-made row by its device name.
    CCodecInfo* FindCodec(ESplitterType type, const char* name) const;
    CString GetDeviceName(ESplitterType type, const char* name) const;
    CCodecInfo* FindCodecPartialName(ESplitterType type, const char* text) const;
    // The text is taken as given: callers pass it in lower case.
    bool ContainFilteredCodec(ESplitterType type, const char* text) const;
    // A codec whose name differs from the wanted one only by a version suffix.
    CCodecInfo* FindCloseMatchCodec(ESplitterType type, const char* name) const;

    // The entry of both names, made when missing.
    virtual CCodecInfo* Add(const char* name, const char* deviceName);
    // Adds or finds every compressor of the system category, sets its encoder
    // control and activates it.
    void AddSystemCodecs(const GUID& category, LONG encoderControl);

    static constexpr LONG kType = FourCharCode("cdcs");

protected:
    // The codec whose display name and device name match; with anyDeviceWhenEmpty an
    // empty device name, asked for or stored, matches any.
    CCodecInfo* FindEntry(const char* name, const char* deviceName, bool anyDeviceWhenEmpty) const;
    CCodecInfo* AddEntry(CCodecInfo* codec, const char* name, const char* deviceName);

private:
    template <typename Match>
    CCodecInfo* FindSupported(ESplitterType type, Match match) const;

    CPersistList m_codecs{true};
};
