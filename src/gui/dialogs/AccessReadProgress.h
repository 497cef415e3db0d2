#pragma once
// Waits for the Access reader without freezing the desktop program: the event
// loop keeps running (windows repaint, timers fire), a busy window names the
// file when the read takes a moment, and user input waits until the read has
// ended so that no second command starts meanwhile.
#include "catalogue/AccessReader.h"

class AccessReadProgress : public access_reader::Waiter
{
public:
    // Installs itself as the reader's waiter until it goes away.
    AccessReadProgress();
    ~AccessReadProgress() override;
    AccessReadProgress(const AccessReadProgress &) = delete;
    AccessReadProgress &operator=(const AccessReadProgress &) = delete;

    void wait(QProcess &reader, int limitMs, const QString &path) override;

    // How long a read runs before the busy window shows.
    static constexpr int ShowAfterMs = 300;

private:
    access_reader::Waiter *m_previous;
};
