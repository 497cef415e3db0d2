#include "CalibrationControls.h"

#include "CalibrationGraph.h"
#include "FormColumns.h"
#include "TemplateControls.h"
#include "base/Language.h"
#include "model/InputCalibration.h"
#include "resources/ProgramPictures.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace calibration_form {

namespace {

constexpr int TemplateId = 114;
constexpr int Rows = InputCalibration::Rows;
constexpr int Columns[] = {ids::FirstResistance, ids::FirstQuantity, ids::FirstDisplay, ids::FirstAngle};

// The template's statics without identifier, in template order.
enum Unnamed { InputCaption, DisplayCaption, AngleHeader, ColumnLine, DelayLabel, SupportLabel };

QSet<int> numericEdits()
{
    QSet<int> numeric{ids::MinEdit, ids::MaxEdit};
    for (int first : Columns) {
        for (int row = 0; row < Rows; ++row)
            numeric << first + row;
    }
    return numeric;
}

CalibrationGraph *createGraph(const QHash<int, QWidget *> &controls)
{
    QHash<int, QLabel *> labels;
    for (int id : {5001, 5002, 5003, 5004, 5005, 5011, 5012, 5013, 5014, 5015, ids::XUnit, ids::YUnit})
        labels.insert(id, qobject_cast<QLabel *>(controls.value(id)));
    return new CalibrationGraph(qobject_cast<QFrame *>(controls.value(ids::Plot)), labels);
}

// The four columns with their captions and headers, then the settings that
// go with them.
QGridLayout *createTable(const template_controls::Controls &made, Form &form)
{
    auto control = [&](int id) { return made.named.value(id); };
    auto *table = new QGridLayout;
    table->setHorizontalSpacing(6);
    table->setVerticalSpacing(4);
    table->addWidget(made.unnamed.value(InputCaption), 0, 0, 1, 2);
    table->addWidget(made.unnamed.value(DisplayCaption), 0, 3, 1, 2);
    table->addWidget(control(ids::ResistanceHeader), 1, 0);
    table->addWidget(control(ids::QuantityHeader), 1, 1);
    table->addWidget(control(ids::DisplayHeader), 1, 3);
    table->addWidget(made.unnamed.value(AngleHeader), 1, 4);
    auto *line = qobject_cast<QFrame *>(made.unnamed.value(ColumnLine));
    line->setFrameShape(QFrame::VLine);
    table->addWidget(line, 1, 2, Rows + 1, 1);
    const int fieldWidth = line->fontMetrics().horizontalAdvance(QStringLiteral("-00000.0")) + 16;
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < Rows; ++row) {
            QWidget *edit = control(Columns[c] + row);
            edit->setFixedWidth(fieldWidth);
            table->addWidget(edit, 2 + row, c < 2 ? c : c + 1);
        }
    }

    int row = 2 + Rows;
    table->setRowMinimumHeight(row++, 8);
    table->addWidget(control(ids::SignalCheck), row++, 0, 1, 5);
    table->addWidget(control(ids::MinLabel), row, 0, Qt::AlignRight);
    table->addWidget(control(ids::MinEdit), row, 1);
    table->addWidget(control(ids::MaxLabel), row, 3, Qt::AlignRight);
    table->addWidget(control(ids::MaxEdit), row, 4);
    table->addWidget(control(ids::CheckUnit), row++, 5);
    for (int id : {ids::MinEdit, ids::MaxEdit})
        control(id)->setFixedWidth(fieldWidth);
    table->addWidget(control(ids::PointerCheck), row++, 0, 1, 5);
    table->addWidget(made.unnamed.value(DelayLabel), row, 0, 1, 2);
    table->addWidget(control(ids::DelayList), row++, 3, 1, 2);
    form.supportLabel = made.unnamed.value(SupportLabel);
    table->addWidget(form.supportLabel, row, 0, 1, 2);
    table->addWidget(control(ids::SupportList), row++, 3, 1, 2);
    table->setRowMinimumHeight(row++, 8);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(form.saveTable);
    buttons->addWidget(form.loadTable);
    buttons->addStretch(1);
    table->addLayout(buttons, row, 0, 1, 6);
    return table;
}

}

Form createForm(QWidget *window)
{
    Form form;
    const template_controls::Controls made = template_controls::create(TemplateId, window, numericEdits());
    form.controls = made.named;
    auto control = [&](int id) { return made.named.value(id); };
    form.graph = createGraph(made.named);
    form.graph->setParent(window);
    form.saveTable = new QPushButton(loadTranslatedString(5646), window);
    form.saveTable->setObjectName(QStringLiteral("saveTable"));
    form.loadTable = new QPushButton(loadTranslatedString(5647), window);
    form.loadTable->setObjectName(QStringLiteral("loadTable"));

    auto *picture = qobject_cast<QLabel *>(control(ids::Picture));
    picture->setPixmap(QPixmap::fromImage(programPicture(program_pictures::MasterSettingsPicture)));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *description = qobject_cast<QLabel *>(control(ids::SensorText));
    description->setWordWrap(true);

    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(12, 10, 12, 12);
    outer->setSpacing(6);
    form.title = new QLabel(window);
    form.title->setObjectName(QStringLiteral("inputTitle"));
    QFont titleFont = form.title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    form.title->setFont(titleFont);
    auto *header = new QHBoxLayout;
    header->addWidget(picture, 0, Qt::AlignLeft | Qt::AlignTop);
    header->addWidget(form.title, 1, Qt::AlignLeft | Qt::AlignVCenter);
    outer->addLayout(header);
    outer->addSpacing(HeaderBandBelowPicture - picture->sizeHint().height() + 4);

    auto *source = new QHBoxLayout;
    source->addWidget(control(ids::SourceLabel));
    source->addWidget(control(ids::SourceList));
    source->addStretch(1);
    outer->addLayout(source);
    auto *sensor = new QHBoxLayout;
    sensor->addWidget(control(ids::SensorButton));
    sensor->addWidget(description, 1);
    outer->addLayout(sensor);

    // The graph beside the table where the width holds both, else above it.
    auto *body = new FormColumns;
    auto *graph = new QVBoxLayout;
    graph->setContentsMargins(0, 0, 0, 0);
    graph->addWidget(form.graph, 0, Qt::AlignLeft | Qt::AlignTop);
    body->addSection(graph);
    body->addSection(createTable(made, form));
    outer->addLayout(body);
    outer->addStretch(1);
    return form;
}

}
