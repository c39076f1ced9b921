-- Format database of the planning-system import.
-- Text sizes are enforced, so the file holds what the import dialogs allow.
-- Names are quoted so a database server keeps their case.

-- One row per planning-system format.
CREATE TABLE "BPRFormat" (
  "ID_BPRFormat" INTEGER PRIMARY KEY AUTOINCREMENT,
  "Name" VARCHAR(50) CHECK (length("Name") <= 50),
  "Extension" VARCHAR(3) CHECK (length("Extension") <= 3),
  "Beschreibung" VARCHAR(255) CHECK (length("Beschreibung") <= 255)
);

-- One row per kind of value the reader looks for.
CREATE TABLE "Value" (
  "ID_Value" INTEGER PRIMARY KEY AUTOINCREMENT,
  "Name" VARCHAR(50) CHECK (length("Name") <= 50),
  "Beschreibung" VARCHAR(255) CHECK (length("Beschreibung") <= 255)
);

-- One row per (format, value) pair: where the value stands in the file.
CREATE TABLE "FormatValue" (
  "ID_FormatValue" INTEGER PRIMARY KEY AUTOINCREMENT,
  "ID_BPRFormat" INTEGER,
  "ID_Value" INTEGER,
  "tagstr" VARCHAR(50) CHECK (length("tagstr") <= 50),
  "lineoffset" INTEGER,
  "rowoffset" INTEGER,
  "len" INTEGER,
  "endchar" VARCHAR(1) CHECK (length("endchar") <= 1),
  "beginchar" VARCHAR(1) CHECK (length("beginchar") <= 1),
  "ID_NextFormatValue" INTEGER
);
