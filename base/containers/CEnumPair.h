#pragma once
// One value of an enumerated field with its display text.

class CEnumPair {
public:
    static constexpr int kTextSize = 256;

    CEnumPair() = default;
    CEnumPair(long value, const char* text);
    CEnumPair(const CEnumPair&) = default;
    CEnumPair& operator=(const CEnumPair&) = default;
    virtual ~CEnumPair() = default;

    void SetValue(long value) { mValue = value; }
    long GetValue() const { return mValue; }
    // Keeps at most 255 bytes, cut at a character boundary; null gives the empty text.
    void SetText(const char* text);
    char* GetText() { return mText; }
    const char* GetText() const { return mText; }

private:
    long mValue = 0;
    char mText[kTextSize] = {};
};
