#pragma once
// Shared set-up of the master overview tests: master types of every kind, a
// document holding one, the form shown on it, and a main window stand-in
// that records counter presets.
#include "app/DesktopApp.h"
#include "common/TestEnv.h"
#include "mainwindow/FrameServices.h"
#include "model/ConfigRecord.h"
#include "model/ProjectDocument.h"
#include "views/MasterOverview.h"

#include <QList>
#include <QString>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace overview_testing {

// A master type: a row of the sample catalogue, or one described here (a
// kind of instrument the sample catalogue does not hold).
struct MasterKind
{
    int catalogueId = 0; // 0: described here
    uint8_t firmware = 0; // first firmware byte reported by a block gauge
    QString description; // without LCD
};
MasterKind speedometerWithLcd();
MasterKind speedometerWithoutLcd();
MasterKind tachometerEarlyFirmware();
MasterKind tachometerLaterFirmware();
MasterKind tachometerWithHourCounter(); // LCD, but a block gauge
MasterKind tachometerWithLcd();
MasterKind sumlog();
MasterKind synchroniser();
MasterKind instrumentOfNoKnownKind();

// Loads the English pack, so texts can be compared with its strings.
void useEnglish();

// Makes the lookups read the sample catalogue built beside the programs.
void useSampleCatalogue();

// A project whose master type is the given one (as choosing it leaves it).
void chooseMaster(ProjectDocument &document, const MasterKind &kind);

// The form on the document, initialised and shown.
std::unique_ptr<MasterOverview> openForm(ProjectDocument &document);

QLineEdit *editOf(MasterOverview &form, int id);
QComboBox *listOf(MasterOverview &form, int id);
QCheckBox *checkOf(MasterOverview &form, int id);
QString textOf(MasterOverview &form, int id);
QStringList itemsOf(MasterOverview &form, int id);
// What the form says on a field it refuses: the note under it, prefixed
// "unframed: " when the field itself is not marked.
QString refusalShown(MasterOverview &form, int id);

// The desktop program started on a fresh settings home in a language, its
// project holding a master type of the sample catalogue with the master's
// form shown.
class RunningProgram
{
public:
    explicit RunningProgram(const MasterKind &kind, const QString &language = QStringLiteral("vorn_eng32.dll"));
    ~RunningProgram();

    bool started() const { return m_started; }
    MainWindow &frame() { return *m_app.mainFrame(); }
    ProjectDocument &document() { return *m_app.document(); }
    MasterOverview *form();

private:
    testing_support::ScopedTestHome m_home;
    DesktopApp m_app;
    bool m_started = false;
};

struct PresetCall
{
    int start;
    int cells;
    quint32 value;
};

// Stands in for the main window while it is in scope.
class RecordingFrame : public FrameServices
{
public:
    RecordingFrame() { setMainWindowServices(this); }
    ~RecordingFrame() override { setMainWindowServices(nullptr); }
    void presetCounter(int startAddress, int cellCount, quint32 counterValue) override
    {
        calls.append({startAddress, cellCount, counterValue});
    }
    void showStatusNote(const QString &text) override { notes.append(text); }
    void withdrawStatusNote(const QString &text) override { notes.removeAll(text); }
    QList<PresetCall> calls;
    QStringList notes;
};

}
