#pragma once
// The controls of the master settings form template (104) as widgets, each
// named by its template identifier, and their places on the form.
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class QWidget;

namespace dialog_templates {
struct DialogTemplate;
}

namespace master_settings {

namespace ids {
constexpr int Picture = 2300;
constexpr int HoursDisplay = 1063;
constexpr int DistanceDisplay = 1064;
constexpr int CounterEdit = 1001;
constexpr int SetButton = 1002;
constexpr int CounterUnit = 1003;
constexpr int Tachometer = 1042;
constexpr int Speedometer = 1043;
constexpr int KValueEdit = 1046;
constexpr int MinSpeedEdit = 1047;
constexpr int SpeedDampingLabel = 1055;
constexpr int SpeedUpLabel = 1057;
constexpr int SpeedUpList = 1044;
constexpr int SpeedDownLabel = 1058;
constexpr int SpeedDownList = 1045;
constexpr int MValueEdit = 1048;
constexpr int EngineDampingLabel = 1056;
constexpr int EngineUpLabel = 1059;
constexpr int EngineUpList = 1020;
constexpr int EngineDownLabel = 1060;
constexpr int EngineDownList = 1021;
constexpr int ThresholdLabel = 1065;
constexpr int ThresholdEdit = 1049;
constexpr int ThresholdUnit = 1066;
constexpr int LightWarning = 1069;
}

constexpr int FormTemplate = 104;
// Pixels of white band below the top of the picture.
constexpr int HeaderBandBelowPicture = 170;

// The two input damping labels, their four up/down labels and four lists.
const QList<int> &dampingControls();
// The numeric fields, each with the text that names it in a message: the
// label before it, or for the counter preset its group's title.
struct NumberField
{
    int editId;
    int labelId;              // 0: an unnamed label, found by its template text
    const char *labelTemplate; // template text the unnamed label begins with
};
const QList<NumberField> &numberFields();

struct Controls
{
    QHash<int, QWidget *> named;
    // Statics without an identifier, with their template texts, in template order.
    QList<QPair<QString, QWidget *>> unnamed;

    QWidget *control(int id) const { return named.value(id); }
    // The unnamed control whose template text begins with start, or nullptr.
    QWidget *unnamedControl(const char *start) const;
    // The label that names a numeric field, or nullptr.
    QWidget *labelOf(const NumberField &field) const;
};

// Makes every control of the template as a direct child of form (tagged
// texts are translated on direct children only), in template order, so that
// each group box lies behind the controls it frames. Edit fields are numeric
// edits in decimal mode.
Controls createControls(QWidget *form, const dialog_templates::DialogTemplate &formTemplate);

// Places the controls: the picture with the display choice in the white band,
// below it the counter preset over the instrument choice, the speed and the
// engine-speed groups side by side as far as the width holds, then the light
// warning and the note.
// Controls the template lacks are left out.
void arrangeControls(QWidget *form, const Controls &controls, QWidget *note);

}
