#include "FrameFixture.h"

#include "DialogDriver.h"

#include "app/SplashWindow.h"
#include "base/Language.h"
#include "mainwindow/MainWindow.h"
#include "model/ProjectDocument.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace testing_support {

FrameFixture::FrameFixture()
{
    Language::instance().setPackFolder(binDir());
}

FrameFixture::~FrameFixture()
{
    ++driverGeneration();
    stop();
    Language::instance().setPackFolder(QString());
}

bool FrameFixture::start(const QStringList &arguments, user_messages::Answer answer)
{
    m_messages = std::make_unique<MessageRecorder>(answer);
    m_app = std::make_unique<DesktopApp>();
    const bool started = m_app->start(arguments, &m_exitCode);
    // The start-up picture would take the first key press of a test.
    SplashWindow::hideSplashScreen();
    return started;
}

void FrameFixture::stop()
{
    if (!m_app)
        return;
    if (m_app->mainFrame() && m_app->mainFrame()->isVisible()) {
        // Leaving the form may still change the project: it is not saved.
        if (m_messages)
            m_messages->setAnswer(user_messages::Answer::No);
        m_app->document()->setModified(false);
        for (int input = 0; input < ProjectDocument::InputCount; ++input)
            m_app->document()->calibrationKept(input);
        m_app->mainFrame()->close();
    }
    m_messages.reset();
    m_app->finish(0);
    m_app.reset();
}

MainWindow &FrameFixture::frame()
{
    return *m_app->mainFrame();
}

ProjectDocument &FrameFixture::document()
{
    return *m_app->document();
}

ProjectTreeView &FrameFixture::tree()
{
    return *frame().leftView();
}

QStringList FrameFixture::treeTexts()
{
    QStringList texts;
    for (int i = 0; i < tree().topLevelItemCount(); ++i)
        texts << tree().topLevelItem(i)->text(0);
    return texts;
}

QString FrameFixture::rightViewClass()
{
    FormView *view = frame().rightView();
    return view ? QString::fromLatin1(view->metaObject()->className()) : QString();
}

void FrameFixture::trigger(int commandId)
{
    QAction *action = frame().action(commandId);
    QVERIFY2(action, "no such command");
    QVERIFY2(action->isEnabled(), "command is disabled");
    action->trigger();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}
