#pragma once
// The start-up picture: a borderless window centred on the screen (or its
// owner) that closes after a few seconds or at the user's first key press or
// mouse click, which is then used up. There is at most one at a time.
#include <QWidget>

class QEvent;

class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DefaultDurationMs = 3000;

    // Whether the program may show the splash window at all (not when
    // started for automation).
    static void enableSplashScreen(bool enable);
    // Shows the splash window if enabled and none is showing.
    static void showSplashScreen(QWidget *parent = nullptr, int durationMs = DefaultDurationMs);
    // Closes the splash window, if any, and repaints the main window at once.
    static void hideSplashScreen();
    // Offered every event of the program while a splash window exists; true
    // when the event closed the splash window (it must then go no further).
    static bool handleAppEvent(QEvent *event);

    // The splash window now showing, or nullptr.
    static SplashWindow *current();

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    SplashWindow(QWidget *parent, const QImage &picture, int durationMs);
    ~SplashWindow() override;

    QImage m_picture;
    int m_timerId = 0;
};
