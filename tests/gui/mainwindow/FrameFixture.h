#pragma once
// A started desktop program (application object, document, main window) in a
// fresh settings home, with the built language packs and recorded messages.
#include "app/DesktopApp.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"

#include <QStringList>
#include <memory>

class ProjectTreeView;

namespace testing_support {

class FrameFixture
{
public:
    FrameFixture();
    ~FrameFixture();

    // Starts the program with these arguments; false when it ended at once.
    // Messages shown meanwhile are answered with answer.
    bool start(const QStringList &arguments = {}, user_messages::Answer answer = user_messages::Answer::Ok);
    // Stops the program as at exit (closing the main window first).
    void stop();

    DesktopApp &app() { return *m_app; }
    MainWindow &frame();
    ProjectDocument &document();
    ProjectTreeView &tree();
    MessageRecorder &messages() { return *m_messages; }
    const ScopedTestHome &home() const { return m_home; }
    int exitCode() const { return m_exitCode; }

    // Texts of the tree items, top to bottom.
    QStringList treeTexts();
    // Class name of the form in the right pane.
    QString rightViewClass();
    // Triggers a command of the main window by its id.
    void trigger(int commandId);

private:
    ScopedTestHome m_home;
    std::unique_ptr<DesktopApp> m_app;
    std::unique_ptr<MessageRecorder> m_messages;
    int m_exitCode = 0;
};

// Writes a project file with the given bytes.
void writeBytes(const QString &path, const QByteArray &bytes);

}
