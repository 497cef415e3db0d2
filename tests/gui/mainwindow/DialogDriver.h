#pragma once
// Drives modal dialogs from a test without blocking it: the action runs as
// soon as a modal widget of the wanted kind is active. The wait is long: a
// file dialog under a sanitizer on a busy machine can take seconds to come.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace testing_support {

// Bumped when a test's program goes away: actions armed for it that never
// ran are dropped, so they cannot reach into the next test.
inline int &driverGeneration()
{
    static int generation = 0;
    return generation;
}

template<typename Widget>
void whenModal(std::function<void(Widget *)> action, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    const int generation = driverGeneration();
    // The pending timer owns the poll; the poll reaches itself only through a
    // weak pointer, so it goes away once no timer is left to run it.
    auto poll = std::make_shared<std::function<void()>>();
    const std::weak_ptr<std::function<void()>> self = poll;
    *poll = [=] {
        if (generation != driverGeneration())
            return;
        if (auto *w = qobject_cast<Widget *>(QApplication::activeModalWidget())) {
            action(w);
            return;
        }
        if (clock.elapsed() < timeoutMs) {
            if (const auto again = self.lock())
                QTimer::singleShot(10, [again] { (*again)(); });
        }
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

// Answers the next file dialog with a file name, typed into its name field
// as a user would: selectFile() leaves that field alone once it has the
// focus, and the dialog would then open the folder instead.
inline void answerFileDialog(const QString &path)
{
    whenModal<QFileDialog>([path](QFileDialog *dialog) {
        dialog->selectFile(path);
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// Shows the window and waits until it has the keyboard, so that key clicks
// reach its menu bar.
inline void showAndActivate(QWidget &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

inline void cancelNextDialog()
{
    whenModal<QDialog>([](QDialog *dialog) { dialog->reject(); });
}

}
