#pragma once
// One name=value pair of a web form request.
#include "afx/CString.h"

class CWebParam {
public:
    CWebParam() = default;
    CWebParam(const CWebParam&) = default;
    CWebParam& operator=(const CWebParam&) = default;
    virtual ~CWebParam() = default;

    void SetName(const char* name) { m_name = name ? name : ""; }
    void SetValue(const char* value) { m_value = value ? value : ""; }
    CString& GetName() { return m_name; }
    CString& GetValue() { return m_value; }
    // name=value, or empty text when either is empty.
    CString GetParam() const;

private:
    CString m_name;
    CString m_value;
};
