#include "MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

MessageBoxSink::MessageBoxSink()
    : m_previous(user_messages::setSink(this))
{
}

MessageBoxSink::~MessageBoxSink()
{
    user_messages::setSink(m_previous);
}

user_messages::Answer MessageBoxSink::show(const user_messages::Message &message)
{
    if (QThread::currentThread() == thread())
        return showHere(message);
    user_messages::Answer answer = user_messages::Answer::Ok;
    QMetaObject::invokeMethod(
        this, [&] { answer = showHere(message); }, Qt::BlockingQueuedConnection);
    return answer;
}

user_messages::Answer MessageBoxSink::showHere(const user_messages::Message &message)
{
    using namespace user_messages;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case Icon::None: icon = QMessageBox::NoIcon; break;
    case Icon::Information: icon = QMessageBox::Information; break;
    case Icon::Exclamation: icon = QMessageBox::Warning; break;
    case Icon::Error: icon = QMessageBox::Critical; break;
    case Icon::Question: icon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (message.buttons) {
    case Buttons::Ok: buttons = QMessageBox::Ok; break;
    case Buttons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case Buttons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QWidget *owner = qobject_cast<QWidget *>(message.owner);
    if (!owner)
        owner = QApplication::activeWindow();
    const QString caption = message.caption.isEmpty() ? QApplication::applicationDisplayName() : message.caption;
    QMessageBox box(icon, caption, message.text, buttons, owner);
    box.setDetailedText(message.details);
    if (message.noByDefault)
        box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}
