#pragma once
// The controls of the master overview's form template (120) as widgets, each
// named by its template identifier, and their places on the form.
#include <QHash>

class QWidget;

namespace master_overview {

// Pixels of white header band below the top of the picture.
constexpr int HeaderBandBelowPicture = 170;
constexpr int PictureHeight = 160;

// Makes every control of the template as a direct child of form (tagged
// texts are translated on direct children only), with its template text,
// list entries and starting visibility.
QHash<int, QWidget *> createControls(QWidget *form);

// Places the controls: picture and title in the header band, the signal,
// warning, second input, illumination and units on the left, the LCD items
// and the counter preset on the right. Beside the pulse factor and the
// warning threshold stands an empty note label ("note1085", "note1047").
void arrangeControls(QWidget *form, const QHash<int, QWidget *> &controls);

}
