#pragma once
// Reads the media tags of an input into a tag list.
class CDirectShowFilter;
class CMediaTags;

class CTagReader {
public:
    explicit CTagReader(CDirectShowFilter* input = nullptr) : m_input(input) {}
    CTagReader(const CTagReader&) = delete;
    CTagReader& operator=(const CTagReader&) = delete;
    virtual ~CTagReader() = default;

    // True when a tag was found.
    virtual bool Read(CMediaTags& tags) = 0;
    CDirectShowFilter* GetInput() const { return m_input; }

private:
    CDirectShowFilter* m_input;
};
