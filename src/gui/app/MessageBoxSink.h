#pragma once
// Shows the program's messages in message boxes. Messages from other threads
// (a gauge transfer) are handed to the user interface thread and wait there.
#include "base/UserMessages.h"

#include <QObject>

class MessageBoxSink : public QObject, public user_messages::Sink
{
    Q_OBJECT
public:
    MessageBoxSink();
    ~MessageBoxSink() override;
    user_messages::Answer show(const user_messages::Message &message) override;

private:
    user_messages::Answer showHere(const user_messages::Message &message);
    user_messages::Sink *m_previous;
};
