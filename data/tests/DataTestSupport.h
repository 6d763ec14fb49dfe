#pragma once
// Shared pieces of the mvdata tests: a notice recorder and round trips through the
// binary and the XML storage.
#include "CListener.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CXmlPersistReader.h"
#include "CXmlPersistStorage.h"
#include "FourCharCode.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// Records the change codes an object announces, as four-letter texts.
class NoticeLog : public CListener {
public:
    explicit NoticeLog(CBroadcaster& sender) { sender.AddListener(this); }
    bool Respond(long code, CBroadcaster*, long, long) override
    {
        char text[5] = {static_cast<char>(code >> 24), static_cast<char>(code >> 16), static_cast<char>(code >> 8),
                        static_cast<char>(code), 0};
        codes.emplace_back(code < 0x01000000 ? std::to_string(code) : text);
        return true;
    }
    std::vector<std::string> codes;
};

using Codes = std::vector<std::string>;

// Saves the object into the binary storage and loads the bytes into a fresh one.
template <class T>
std::shared_ptr<T> BinaryCopy(T& source)
{
    CPersistStorage out;
    source.Save("Settings", out);
    ULONG size = 0;
    unsigned char* bytes = out.GetData(size);
    CPersistStorage in;
    in.SetData(bytes, size);
    auto copy = std::make_shared<T>();
    copy->Load("Settings", in);
    EXPECT_FALSE(in.LoadFailed());
    return copy;
}

// The settings file the XML storage writes for the object, under root "Settings".
inline std::string XmlText(CPersistObject& source)
{
    char pattern[] = "/tmp/mvdata-xml-XXXXXX";
    std::filesystem::path folder = mkdtemp(pattern);
    std::string path = (folder / "Data.xml").string();
    {
        CXmlPersistStorage storage("", path.c_str());
        source.Save("Settings", storage);
        EXPECT_TRUE(storage.WriteSucceeded());
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::filesystem::remove_all(folder);
    return text.str();
}

// Loads a settings file text into a fresh object.
template <class T>
std::shared_ptr<T> XmlLoad(const std::string& text)
{
    CXmlPersistReader reader(text.c_str());
    auto copy = std::make_shared<T>();
    copy->Load("Settings", reader);
    return copy;
}

template <class T>
std::shared_ptr<T> XmlCopy(T& source)
{
    return XmlLoad<T>(XmlText(source));
}

// Whether the XML text holds an element with this name (names written with '_' for ' ').
inline bool HasElement(const std::string& xml, const std::string& name)
{
    return xml.find("<" + name + ">") != std::string::npos;
}

// A four-character code written as a text.
inline LONG Code(const char* text)
{
    return static_cast<LONG>((ULONG(uint8_t(text[0])) << 24) | (ULONG(uint8_t(text[1])) << 16) |
                             (ULONG(uint8_t(text[2])) << 8) | ULONG(uint8_t(text[3])));
}
