#pragma once
// What the forms of the right-hand pane may ask of the main window. The main
// window registers itself when it is made.
#include <QString>

class FrameServices
{
public:
    virtual ~FrameServices() = default;
    // Presets the gauge's distance counter (start 0, 32 cells) or hour counter
    // (start 66, 16 cells, value in tenths of hours): runs the preset with the
    // transfer progress dialog and shows its outcome.
    virtual void presetCounter(int startAddress, int cellCount, quint32 counterValue) = 0;
    // A passing word in the status bar about what a form's button did.
    virtual void showStatusNote(const QString &text) = 0;
    // The note no longer holds (a refused entry typed right): it goes if shown.
    virtual void withdrawStatusNote(const QString &text) = 0;
};

// The one main window, or nullptr before it exists.
FrameServices *mainWindowServices();
void setMainWindowServices(FrameServices *frame);
