#pragma once
// A prompt that a display backend answers through a handler, a test through
// scripted answers taken in order, and that records every request it was asked.
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

template <class Request, class Answer> class MvScriptedPrompt {
public:
    using Handler = std::function<Answer(const Request&)>;

    void SetHandler(Handler handler)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_handler = std::move(handler);
    }
    void Push(Answer answer)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_script.push_back(std::move(answer));
    }
    std::vector<Request> TakeShown()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        std::vector<Request> out;
        out.swap(m_shown);
        return out;
    }
    // The next scripted answer, else the handler's, else fallback; the request is
    // recorded after note(request, answer) has had a look at the answer.
    template <class Note = void (*)(Request&, const Answer&)>
    Answer Ask(Request request, Answer fallback, Note note = [](Request&, const Answer&) {})
    {
        Handler handler;
        bool scripted = false;
        Answer answer = fallback;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            if (!m_script.empty()) {
                answer = std::move(m_script.front());
                m_script.pop_front();
                scripted = true;
            } else {
                handler = m_handler;
            }
        }
        if (!scripted && handler) answer = handler(request);
        note(request, answer);
        std::lock_guard<std::mutex> guard(m_lock);
        m_shown.push_back(std::move(request));
        return answer;
    }

private:
    std::mutex m_lock;
    Handler m_handler;
    std::deque<Answer> m_script;
    std::vector<Request> m_shown;
};
