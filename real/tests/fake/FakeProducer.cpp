// A small producer module: enough of the job factory, audience enumerator, audiences and
// output streams for the adapter's calls.
#include "FakeProducer.h"
#include "com/ComObject.h"
#include "rm/ProducerInterfaces.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

std::atomic<int> gLive{0};
std::string gAccessPaths;

template <class... Interfaces>
class Counted : public TComObject<Interfaces...> {
public:
    Counted() { ++gLive; }
    ~Counted() override { --gLive; }
};

class Stream : public Counted<IHXTOutputStream> {
public:
    explicit Stream(std::string type) : m_type(std::move(type)) {}
    HRESULT GetText(const char* key, const char** text) override
    {
        if (std::string(key) != "pluginType") return E_FAIL;
        *text = m_type.c_str();
        return S_OK;
    }

private:
    std::string m_type;
};

class Audience : public Counted<IHXTAudience> {
public:
    Audience(std::string name, std::vector<std::string> streams) : m_name(std::move(name)), m_streams(std::move(streams)) {}
    HRESULT GetText(const char* key, const char** text) override
    {
        if (std::string(key) != "name" || m_name == "-") return E_FAIL;
        *text = m_name.c_str();
        return S_OK;
    }
    uint32_t GetOutputStreamCount() override { return static_cast<uint32_t>(m_streams.size()); }
    HRESULT GetOutputStream(uint32_t index, IHXTOutputStream** stream) override
    {
        if (index >= m_streams.size()) return E_INVALIDARG;
        *stream = new Stream(m_streams[index]);
        return S_OK;
    }

private:
    std::string m_name;
    std::vector<std::string> m_streams;
};

class Enumerator : public Counted<IHXTAudienceEnumerator> {
public:
    HRESULT SetProfileDirectory(const char* folder) override
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.is_regular_file()) m_files.push_back(entry.path());
        std::sort(m_files.begin(), m_files.end());
        return error ? E_FAIL : S_OK;
    }
    uint32_t GetAudienceCount() override { return static_cast<uint32_t>(m_files.size()); }
    HRESULT GetAudience(uint32_t index, IHXTAudience** audience) override
    {
        if (index >= m_files.size() || m_files[index].filename().string().rfind("broken", 0) == 0) return E_FAIL;
        std::ifstream in(m_files[index]);
        std::string name, line;
        std::getline(in, name);
        std::vector<std::string> streams;
        while (std::getline(in, line)) streams.push_back(line);
        *audience = new Audience(name, streams);
        return S_OK;
    }

private:
    std::vector<std::filesystem::path> m_files;
};

class Factory : public Counted<IHXTClassFactory> {
public:
    HRESULT CreateInstance(REFCLSID classId, REFIID iid, void** object) override
    {
        if (classId != CLSID_HXTAudienceEnumerator) return E_NOINTERFACE;
        return CreateComObject<Enumerator>(iid, object);
    }
};

}

extern "C" {

__attribute__((visibility("default"))) HRESULT SetDLLAccessPath(const char* paths)
{
    gAccessPaths.clear();
    // The run ends at the first empty text.
    for (const char* p = paths; *p; p += std::char_traits<char>::length(p) + 1) gAccessPaths += std::string(p) + "|";
    return S_OK;
}

__attribute__((visibility("default"))) HRESULT HXTCreateJobFactory(IHXTClassFactory** factory)
{
    *factory = new Factory;
    return S_OK;
}

__attribute__((visibility("default"))) const char* FakeProducer_AccessPaths()
{
    return gAccessPaths.c_str();
}

__attribute__((visibility("default"))) int FakeProducer_LiveObjects()
{
    return gLive;
}
}
