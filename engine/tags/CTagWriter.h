#pragma once
// Writes media tags through the writer filter of an output.
class CDirectShowFilter;
class CMediaTags;

class CTagWriter {
public:
    explicit CTagWriter(CDirectShowFilter* writer) : m_writer(writer) {}
    CTagWriter(const CTagWriter&) = delete;
    CTagWriter& operator=(const CTagWriter&) = delete;
    virtual ~CTagWriter() = default;

    // True when the writer filter took the tags, so that no other route writes them again.
    virtual bool Write(CMediaTags& tags) = 0;
    CDirectShowFilter* GetWriter() const { return m_writer; }

private:
    CDirectShowFilter* m_writer;
};
