#pragma once
// Records the messages shown through the user message interface while it is
// in scope, answering each with a preset answer.
#include "base/UserMessages.h"

#include <QList>
#include <QMutex>
#include <functional>

namespace testing_support {

class MessageRecorder : public user_messages::Sink
{
public:
    explicit MessageRecorder(user_messages::Answer answer = user_messages::Answer::Ok)
        : m_answer(answer), m_previous(user_messages::setSink(this)) {}
    ~MessageRecorder() override { user_messages::setSink(m_previous); }

    user_messages::Answer show(const user_messages::Message &message) override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_messages.append(message);
        }
        if (onShow)
            onShow();
        return m_answer;
    }
    // Runs as each message is shown: what the window shows at that moment.
    std::function<void()> onShow;
    QList<user_messages::Message> messages() const
    {
        QMutexLocker lock(&m_mutex);
        return m_messages;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto &m : messages())
            out << m.text;
        return out;
    }
    int count() const { return messages().size(); }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_messages.clear();
    }
    void setAnswer(user_messages::Answer answer) { m_answer = answer; }

private:
    mutable QMutex m_mutex;
    QList<user_messages::Message> m_messages;
    user_messages::Answer m_answer;
    user_messages::Sink *m_previous;
};

}
