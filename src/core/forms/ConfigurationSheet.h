#pragma once
// The configuration sheet a technician hands to a customer: the job (who, which
// gauge, by whom), the master type (picture and properties), every setting the
// master's form shows with its value and unit, and, where the service items
// are in use, the gauge inputs' calibration. Every text is taken in the
// current language when the sheet is made; SheetPainter lays it out on pages.
#include "SheetJob.h"
#include "model/InputCalibration.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class ProjectDocument;
class ConfigRecord;

struct SheetRow
{
    QString label;
    QString value;
    QString unit;
};

struct SheetCalibration
{
    QString title; // names the gauge input
    QString quantityUnit;
    InputCalibration values;
};

struct ConfigurationSheet
{
    QString title;    // the program's name and what the sheet is
    QString fileLine; // label and file name (or "not saved yet")
    QString dateLine; // label, date and time of printing (local time)
    QString jobHeading;
    QList<SheetRow> jobRows;
    QString masterHeading;
    QImage picture;
    QList<SheetRow> masterRows;
    QString settingsHeading;
    QList<SheetRow> settingRows;
    QList<SheetCalibration> calibrations;
    QStringList calibrationColumns; // resistance, quantity, display value, pointer angle
    QString dateLabel;              // under the lines to sign on
    QString signatureLabel;
    QString pageFormat;  // "Page %1 of %2"
    QString technician;  // the PDF's author
    QString program;     // "Skaleron <version>", in the footer and as the PDF's creator

    // The sheet of a record (with its master type's properties applied) kept
    // in projectPath (empty: not saved yet), printed at printed.
    static ConfigurationSheet forRecord(const ConfigRecord &record, const QString &projectPath,
                                        const QDateTime &printed, const SheetJob &job);
    // The sheet of the document; with the calibration of each gauge input the
    // project holds values for when withCalibration.
    static ConfigurationSheet forDocument(const ProjectDocument &document, const QDateTime &printed,
                                          const SheetJob &job = SheetJob(), bool withCalibration = false);
};
