#pragma once
// A name and a value, each an owned text.

class CTextPair {
public:
    CTextPair();
    CTextPair(const char* name, const char* value);
    CTextPair(const CTextPair& other);
    CTextPair& operator=(const CTextPair& other);
    virtual ~CTextPair();

    // Each replaces its text by a copy; null gives the empty text.
    void SetName(const char* name);
    void SetValue(const char* value);
    char* GetName() const { return mName; }
    char* GetValue() const { return mValue; }

private:
    char* mName = nullptr;
    char* mValue = nullptr;
};
