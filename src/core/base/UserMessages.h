#pragma once
// Every message the program shows to the user goes through this interface:
// the desktop program shows a message box, the command-line tool writes to
// stderr, tests record the messages. Core code never opens a window itself.
#include <QString>

class QObject;

namespace user_messages {

enum class Icon { None, Information, Exclamation, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message
{
    QString text;
    QString caption; // empty: the program's default caption
    QString details; // shown on request (a file's full path, say); empty: none
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    QObject *owner = nullptr; // window the message belongs to, if any
    bool noByDefault = false; // a question whose Yes drops work: Enter answers No
};

class Sink
{
public:
    virtual ~Sink() = default;
    // May be called from any thread; implementations that need the user
    // interface thread must hand the message over to it.
    virtual Answer show(const Message &message) = 0;
};

// Installs the sink; returns the previous one. The sink is not owned.
Sink *setSink(Sink *sink);

// Shows a message through the installed sink. Without a sink the message goes
// to stderr and the answer is the first button's.
Answer show(const Message &message);
Answer show(const QString &text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
            const QString &caption = QString());
// A message about a file: the text names it by its name, the details hold
// its full path.
Answer showAboutFile(const QString &text, const QString &path, Icon icon, Buttons buttons = Buttons::Ok);

// Writes a message to stderr as one line (used by the command-line tool and
// as the fallback without a sink).
void writeToStderr(const Message &message);

}
