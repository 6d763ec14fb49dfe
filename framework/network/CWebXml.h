#pragma once
// A form request to a web script, answered with an XML document: "result" (not 0 for
// success), "message" for the user and "data" that an object loads itself from.
#include "CPointerList.h"
#include "CXmlDocument.h"
#include "afx/CString.h"

#pragma push_macro("GetMessage")
#undef GetMessage

class CPersistObject;

class CWebXml {
public:
    // The longest answer taken; the rest is not read.
    static constexpr int kMaxAnswer = 1024 * 1024;
    // The longest a request may take in all, however the server answers: it runs on the
    // user-interface thread.
    static constexpr unsigned kTimeLimitMs = 20 * 1000;

    CWebXml() = default;
    // A copy has its own parameters and answer, and loads the same object.
    CWebXml(const CWebXml& other);
    CWebXml& operator=(const CWebXml& other);
    virtual ~CWebXml();

    // Scheme and server, with an optional port ("https://example.org:8443").
    void SetSite(const char* site) { m_site = site ? site : ""; }
    void SetPath(const char* path) { m_path = path ? path : ""; }
    void SetObject(CPersistObject* object) { m_object = object; }
    void AddParam(const char* name, const char* value);
    void AddParam(const char* name, int value);

    CString GetParams() const;
    CString GetUrl() const;
    // Sends the request as a form post; the answer text, "" when none came.
    CString RunUrl();
    bool Run();
    // Interprets an answer text as Run does; true for a "result" other than 0.
    bool ReadAnswer(const char* text);
    CString GetMessage() const;
    CString GetMessageA() const { return GetMessage(); }
    void Reset();

    const CXmlDocument& GetAnswer() const { return m_answer; }

private:
    CString m_site;
    CString m_path;
    CPointerList m_params;
    CXmlDocument m_answer;
    CPersistObject* m_object = nullptr;
};

#pragma pop_macro("GetMessage")
