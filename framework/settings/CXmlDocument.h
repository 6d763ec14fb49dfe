#pragma once
// The top node of an XML settings file: adds the header line on writing and
// checks and skips it on parsing.
#include "CXmlNode.h"

class CXmlDocument : public CXmlNode {
public:
    static constexpr const char* kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";

    void WriteSelf(CHandle& buffer, int level) override;
    // Null when the text is not a document.
    const char* Parse(const char* text) override;
};
