#pragma once
// SIGTERM (the desktop session ends, the system shuts down) reaches the
// program as a signal on its window thread instead of killing it at once: a
// transfer then stops after its present exchange and is recorded, and the
// unsaved work stays for the next start.
#include <QObject>

class QSocketNotifier;

class SessionEnd : public QObject
{
    Q_OBJECT
public:
    // Catches SIGTERM while this object lives; one per program.
    explicit SessionEnd(QObject *parent = nullptr);
    ~SessionEnd() override;

signals:
    void requested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
