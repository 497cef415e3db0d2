#pragma once
// The result of looking a master type up in the catalogue by its key: whether
// a row was found, the master type's properties and its dial picture.
#include <QImage>
#include <QString>

struct MasterTypeInfo
{
    bool Found = false;
    int SelectedId = -1;
    int GaugeKind = 2; // 0 speedometer, 1 "Drehzahlmesser", 2 other
    int HasLcd = 0;
    QString OrderNumber;
    QString Description;
    QString Diameter;
    QString OuterScaleRange;
    QString InnerScaleRange;
    QString SignalInput;
    int FreqInputs = 1;
    int ScaleMin = 0;
    int ScaleMax = 0;
    int WarnThresholdMin = 0;
    int WarnThresholdMax = 0;
    int CalculateThreshold = 0;
    double KValueMin = 0.0;
    double KValueMax = 0.0;
    QString KValueUnit;
    int UseMinMax = 0;
    QImage Picture; // null when the row has no picture that converts
};

// Looks master types up by key. The catalogue implements it; loading a project
// uses it to apply the stored master type.
class MasterTypeLookup
{
public:
    virtual ~MasterTypeLookup() = default;
    // A result with Found false when the key has no row or the catalogue
    // cannot be opened (the reason is then shown to the user).
    virtual MasterTypeInfo fetchById(int id) = 0;
};
