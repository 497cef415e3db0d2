#include "CatalogueSchema.h"

#include <QStringList>

namespace catalogue_schema {

const Table &masterTable()
{
    static const Table table{"RixData",
                             {{"ID", ColumnKind::Integer},
                              {"OrderNumber", ColumnKind::Text},
                              {"Description", ColumnKind::Text},
                              {"LCD", ColumnKind::Text},
                              {"Diameter", ColumnKind::Text},
                              {"OScaleMin", ColumnKind::Text},
                              {"OScaleMax", ColumnKind::Text},
                              {"IScaleMin", ColumnKind::Text},
                              {"IScaleMax", ColumnKind::Text},
                              {"Picture", ColumnKind::Binary},
                              {"SignalInput", ColumnKind::Text},
                              {"FreqInputs", ColumnKind::Integer},
                              {"ScaleMin", ColumnKind::Integer},
                              {"ScaleMax", ColumnKind::Integer},
                              {"WarnThresholdMin", ColumnKind::Integer},
                              {"WarnThresholdMax", ColumnKind::Integer},
                              {"CalculateThreshold", ColumnKind::Boolean},
                              {"K-Wert_Min", ColumnKind::Double},
                              {"K-Wert_Max", ColumnKind::Double},
                              {"K-Wert_Unit", ColumnKind::Text},
                              {"UseMinMax", ColumnKind::Boolean}}};
    return table;
}

const Table &sensorTable()
{
    static const Table table{"SensorTabelle",
                             {{"id", ColumnKind::Integer},
                              {"Bestellnummer", ColumnKind::Text},
                              {"Gruppe", ColumnKind::Text},
                              {"DimensionX", ColumnKind::Text},
                              {"DimensionY", ColumnKind::Text},
                              {"BeginX", ColumnKind::Double},
                              {"EndX", ColumnKind::Double},
                              {"YMin", ColumnKind::Double},
                              {"YMax", ColumnKind::Double},
                              {"Y-Werte", ColumnKind::Text},
                              {"X-Werte", ColumnKind::Text},
                              {"Name", ColumnKind::Text}}};
    return table;
}

QString selectList(const Table &table)
{
    QStringList names;
    for (const Column &c : table.columns)
        names << QStringLiteral("[%1]").arg(QLatin1String(c.name));
    return names.join(QStringLiteral(", "));
}

const char *sqliteType(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Integer:
    case ColumnKind::Boolean: return "INTEGER";
    case ColumnKind::Double: return "REAL";
    case ColumnKind::Text: return "TEXT";
    case ColumnKind::Binary: return "BLOB";
    }
    return "";
}

}
