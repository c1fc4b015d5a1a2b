#pragma once

#include <cstddef>
#include <deque>
#include <utility>

namespace zyntra {

// The answers a test gives ahead of time to a headless dialog: taken in order, then the
// fallback for every further question.
template <class Answer> class ScriptedAnswers {
public:
    explicit ScriptedAnswers(Answer fallback) : fallback_(std::move(fallback)) {}

    void Queue(Answer answer) { queue_.push_back(std::move(answer)); }
    void SetFallback(Answer answer) { fallback_ = std::move(answer); }
    std::size_t Pending() const { return queue_.size(); }

    Answer Next() {
        if (queue_.empty()) {
            return fallback_;
        }
        Answer answer = std::move(queue_.front());
        queue_.pop_front();
        return answer;
    }

private:
    std::deque<Answer> queue_;
    Answer fallback_;
};

} // namespace zyntra
