-- Skaleron catalogue: the master type table and the sensor table.
--
-- A catalogue is a SQLite file holding "RixData" and/or "SensorTabelle" with
-- the columns below (named exactly so; any order; further columns are
-- ignored). Build your own with:
--     sqlite3 my-catalogue.sqlite < schema.sql
-- then insert your rows and choose the file in the options (database path).

-- One row per gauge model ("master type").
CREATE TABLE [RixData] (
    [ID]                 INTEGER PRIMARY KEY, -- key, stored in projects as MasterId
    [OrderNumber]        TEXT,                -- article number
    [Description]        TEXT,                -- its words decide the gauge kind:
                                              -- "Speedometer", "Tachometer",
                                              -- "Tachometer with LCD", "Sumlog",
                                              -- "Synchroniser"
    [LCD]                TEXT,                -- "no" when the gauge has no display
    [Diameter]           TEXT,                -- housing diameter, shown as text
    [OScaleMin]          TEXT,                -- outer scale, lower and upper end
    [OScaleMax]          TEXT,
    [IScaleMin]          TEXT,                -- inner scale, lower and upper end
    [IScaleMax]          TEXT,
    [SignalInput]        TEXT,                -- description of the signal inputs
    [FreqInputs]         INTEGER,             -- number of frequency inputs (1 or 2)
    [ScaleMin]           INTEGER,             -- scale ends in display units
    [ScaleMax]           INTEGER,
    [WarnThresholdMin]   INTEGER,             -- raw gauge values at the scale ends
    [WarnThresholdMax]   INTEGER,
    [CalculateThreshold] INTEGER,             -- 1: threshold converted scale <-> raw
    [K-Wert_Min]         REAL,                -- pulse factor limits
    [K-Wert_Max]         REAL,
    [K-Wert_Unit]        TEXT,                -- unit of the pulse factor
    [UseMinMax]          INTEGER,             -- 1: the pulse factor limits apply
    -- Last, so that listing the table never reads through the pictures.
    [Picture]            BLOB                 -- 92 bytes (not interpreted), then a
                                              -- BITMAPINFOHEADER, colour table, bits
);

-- One row per sensor characteristic.
CREATE TABLE [SensorTabelle] (
    [id]            INTEGER PRIMARY KEY,      -- key; keep standard sensors below 10000
    [Bestellnummer] TEXT,                     -- order number (empty for user sensors)
    [Gruppe]        TEXT,                     -- "Vorrat Hebelgeber", "Vorrat Tauchrohrgeber",
                                              -- "Temperaturgeber", "Druckgeber",
                                              -- "Benutzerdefiniert"
    [DimensionX]    TEXT,                     -- unit of the measured quantity
    [DimensionY]    TEXT,                     -- unit of the electrical value (Ohm)
    [BeginX]        REAL,                     -- smallest and largest X
    [EndX]          REAL,
    [YMin]          REAL,                     -- smallest and largest Y
    [YMax]          REAL,
    [Y-Werte]       TEXT,                     -- Y values, ";"-separated, paired by position
    [X-Werte]       TEXT,                     -- X values, ";"-separated
    [Name]          TEXT
);

CREATE INDEX [SensorTabelle_Gruppe] ON [SensorTabelle] ([Gruppe], [Bestellnummer]);
