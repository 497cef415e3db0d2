#pragma once
// The controls of the calibration form's template (114) as widgets, each
// named by its template identifier, and their places: the picture in the
// white header band, the signal source and the sensor choice below it, the
// graph on the left, the four columns of support points on the right with
// the signal check, the support point count and the table buttons under them.
#include <QHash>

class CalibrationGraph;
class QLabel;
class QPushButton;
class QWidget;

namespace calibration_form {

namespace ids {
constexpr int Picture = 2300;
constexpr int SourceLabel = 1047;
constexpr int SourceList = 1031;
constexpr int SensorButton = 1004;
constexpr int SensorText = 1239;
constexpr int Plot = 1145;
constexpr int XUnit = 5006;
constexpr int YUnit = 5007;
constexpr int ResistanceHeader = 1165;
constexpr int QuantityHeader = 1167;
constexpr int DisplayHeader = 1166;
constexpr int FirstResistance = 3009;
constexpr int FirstQuantity = 3017;
constexpr int FirstDisplay = 3001;
constexpr int FirstAngle = 4001;
constexpr int PointerCheck = 1164;
constexpr int SignalCheck = 1168;
constexpr int MinLabel = 1067;
constexpr int MinEdit = 3025;
constexpr int MaxLabel = 1068;
constexpr int MaxEdit = 3026;
constexpr int CheckUnit = 1242;
constexpr int DelayList = 1243;
constexpr int SupportList = 1144;
}

// Pixels of white header band below the top of the picture.
constexpr int HeaderBandBelowPicture = 170;

struct Form
{
    QHash<int, QWidget *> controls; // by template identifier
    QWidget *supportLabel = nullptr; // caption of the support point count
    QLabel *title = nullptr; // the input's name in the header band
    CalibrationGraph *graph = nullptr;
    QPushButton *saveTable = nullptr;
    QPushButton *loadTable = nullptr;
};

// Makes and places every control of the template on the form.
Form createForm(QWidget *form);

}
