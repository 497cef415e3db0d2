#pragma once
// The controls of the master overview's form template (120) as widgets, each
// named by its template identifier, and their places on the form.
#include <QHash>
#include <QList>
#include <QString>

class QComboBox;
class QGridLayout;
class QWidget;

namespace master_overview {

// Pixels of white header band below the top of the picture.
constexpr int HeaderBandBelowPicture = 170;
constexpr int PictureHeight = 160;

// Makes every control of the template as a direct child of form (tagged
// texts are translated on direct children only), with its template text,
// list entries and starting visibility.
QHash<int, QWidget *> createControls(QWidget *form);

// Places the controls: picture and title in the header band, below it the
// signal and warning, the illumination and units, and the LCD items with the
// counter preset as sections side by side as far as the width allows. Under
// the pulse factor, the warning threshold and the counter value lies a hidden
// note label ("note1085", "note1047", "note9934"). Returns the grids whose label columns are to
// line up once the labels hold their texts.
QList<QGridLayout *> arrangeControls(QWidget *form, const QHash<int, QWidget *> &controls);

// The text a label or line edit shows.
QString textOf(QWidget *w);
// The list's index, or the record's value when the list shows no entry.
int takeIndex(const QComboBox *box, int current);

}
