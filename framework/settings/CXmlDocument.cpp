#include "CXmlDocument.h"

#include <cstring>

void CXmlDocument::WriteSelf(CHandle& buffer, int level)
{
    WriteText(buffer, kHeader);
    WriteNewLine(buffer);
    CXmlNode::WriteSelf(buffer, level);
}

const char* CXmlDocument::Parse(const char* text)
{
    static const char kStart[] = "<?xml version=";
    if (!text || std::strncmp(text, kStart, sizeof(kStart) - 1) != 0) return nullptr;
    const char* close = std::strchr(text, '>');
    if (!close) return nullptr;
    const char* open = std::strchr(close, '<');
    if (!open) return nullptr;
    return ParseElement(open + 1, 0);
}
