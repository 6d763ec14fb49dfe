#pragma once
// What a talker is to speak.
class CSpeechTalker;

class CSpeechInput {
public:
    explicit CSpeechInput(CSpeechTalker* talker) : m_talker(talker) {}
    CSpeechInput(const CSpeechInput&) = default;
    CSpeechInput& operator=(const CSpeechInput&) = default;
    virtual ~CSpeechInput() = default;
    virtual bool Create() = 0;

protected:
    CSpeechTalker* m_talker; // not owned
};
