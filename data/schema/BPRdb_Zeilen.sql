-- The rows of the format database: this program's reading of each planning-system format.
-- They are data, not code: the maker may change them (the format database dialog edits them).
-- lineoffset/rowoffset/len, endchar and beginchar are read as the import's reader describes;
-- "None" as tagstr places a value at a fixed line, "#" counts lines, "V" takes the text before
-- the marker, a single blank as the FBA marker takes the FBA of the customer's accelerator.

INSERT INTO BPRFormat (ID_BPRFormat, Name, Extension, Beschreibung) VALUES
  (1, 'Plato', 'pla', 'Plato: Marken in spitzen Klammern, Werte in cm, mehrere Beams'),
  (2, 'HEK', 'hek', 'HEK: feste Spalten, Punkte in cm in der Blockebene'),
  (3, 'Parcientific', 'A1', 'Parcientific: doppelter Zeilenabstand, Einheit 0,05 mm'),
  (4, 'Multidata', 'cif', 'Multidata: Blockdatei, Werte in cm in der Isozentrumsebene'),
  (5, 'Huestis', 'DAT', 'Huestis: Werte in 0,1 mm'),
  (6, 'Target', 'txt', 'Target: Werte in mm, FBA in mm');

INSERT INTO "Value" (ID_Value, Name, Beschreibung) VALUES
  (1, 'FBA', 'Fokus-Block-Abstand der Datei in cm (die Daten liegen in der Blockebene)'),
  (2, 'FIA', 'Abstand der Ebene der Daten vom Fokus in cm, meist das Isozentrum'),
  (3, 'Gantry', 'Gantrywinkel in Grad'),
  (4, 'Kollimator', 'Kollimatorwinkel in Grad'),
  (5, 'Patientenname', 'Name des Patienten'),
  (6, 'PatientenID', 'ID des Patienten'),
  (7, 'Zielvolumen', 'Zielvolumen'),
  (8, 'Dezimaltrenner', 'endchar ist das Dezimaltrennzeichen der Zahlen der Datei'),
  (9, 'Anzahl Konturen', 'Anzahl der Konturen (Blöcke) des Beams'),
  (10, 'Anzahl Punkte', 'Anzahl der Punkte einer Kontur'),
  (11, 'X', 'x-Koordinate eines Konturpunkts'),
  (12, 'Y', 'y-Koordinate eines Konturpunkts'),
  (13, 'frei', 'nicht belegt'),
  (14, 'Blende 14', 'gelesen, nicht ausgewertet'),
  (15, 'Blende 15', 'gelesen, nicht ausgewertet'),
  (16, 'Blende 16', 'gelesen, nicht ausgewertet'),
  (17, 'Blende 17', 'gelesen, nicht ausgewertet'),
  (18, 'Feldgröße X', 'symmetrische Blende: Feldgröße in X'),
  (19, 'Feldgröße Y', 'symmetrische Blende: Feldgröße in Y'),
  (20, 'Anzahl Beams', 'Anzahl der Beams der Datei'),
  (21, 'Beam-Marke', 'Text, mit dem jeder Beam beginnt'),
  (22, 'Vorname', 'Vorname des Patienten (nach ", " angehängt)'),
  (23, 'Nachname', 'Nachname des Patienten'),
  (24, 'Feld X2', 'x der zweiten Feldecke'),
  (25, 'Feld X1', 'x der ersten Feldecke (Blockdatei: die Zeile mit allen Blendenwerten)'),
  (26, 'Feld Y2', 'y der zweiten Feldecke'),
  (27, 'Feld Y1', 'y der ersten Feldecke'),
  (28, 'Verschiebung X', 'Verschiebung einer Kontur in x'),
  (29, 'Verschiebung Y', 'Verschiebung einer Kontur in y'),
  (30, 'Drehung', 'Drehung einer Kontur in Grad'),
  (31, 'Asym Y1', 'asymmetrische Blende: y der ersten Feldecke'),
  (32, 'Asym Y2', 'asymmetrische Blende: y der zweiten Feldecke'),
  (33, 'Asym X1', 'asymmetrische Blende: x der ersten Feldecke (negiert)'),
  (34, 'Asym X2', 'asymmetrische Blende: x der zweiten Feldecke (negiert)'),
  (35, 'Blendenmodus', 'Buchstaben: erster A = Y asymmetrisch, zweiter A = X asymmetrisch (nicht nach E)'),
  (36, 'Kommentar', 'Kurzkommentar'),
  (37, 'Beamnummer', 'Nummer hinter der Beam-Marke'),
  (38, 'Sonstiges', 'gelesen, nicht weiter verwendet'),
  (39, 'Ohne-Block-Marke', 'steht sie vor der ersten Punktanzahl, hat der Beam keine Blöcke'),
  (40, 'Einzelkontur-Marke', 'enthält die Datei sie, ist jeder Beam eine Kontur mit FBA und FIA 95 cm');

-- Plato
INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar, ID_NextFormatValue) VALUES
  (1, 1, ' ', 0, 0, 0, '0', '0', 0),
  (1, 2, '<IsoDistance>', 0, 0, 0, '<', '0', 0),
  (1, 3, '<Gantry>', 0, 0, 0, '<', '0', 0),
  (1, 4, '<Collimator>', 0, 0, 0, '<', '0', 0),
  (1, 6, '<PatientID>', 0, 0, 0, '<', '0', 0),
  (1, 7, '<Target>', 0, 0, 0, '<', '0', 0),
  (1, 8, 'None', 0, 0, 0, '.', '0', 0),
  (1, 9, '<Blocks>', 0, 0, 0, '<', '0', 0),
  (1, 10, '<Points>', 0, 0, 0, '<', '0', 0),
  (1, 11, '<X>', 0, 0, 0, '<', '0', 0),
  (1, 12, '<Y>', 0, 0, 0, '<', '0', 0),
  (1, 18, '<FieldX>', 0, 0, 0, '<', '0', 0),
  (1, 19, '<FieldY>', 0, 0, 0, '<', '0', 0),
  (1, 20, '<Beam ', 0, 0, 0, '#', '0', 0),
  (1, 21, '<Beam ', 0, 0, 0, '0', '0', 0),
  (1, 22, '<FirstName>', 0, 0, 0, '<', '0', 0),
  (1, 23, '<LastName>', 0, 0, 0, '<', '0', 0),
  (1, 28, '<ShiftX>', 0, 0, 0, '<', '0', 0),
  (1, 29, '<ShiftY>', 0, 0, 0, '<', '0', 0),
  (1, 30, '<Rotation>', 0, 0, 0, '<', '0', 0),
  (1, 31, '<Y1>', 0, 0, 0, '<', '0', 0),
  (1, 32, '<Y2>', 0, 0, 0, '<', '0', 0),
  (1, 33, '<X1>', 0, 0, 0, '<', '0', 0),
  (1, 34, '<X2>', 0, 0, 0, '<', '0', 0),
  (1, 35, '<JawMode>', 0, 0, 0, '<', '0', 0),
  (1, 36, '<Comment>', 0, 0, 0, '<', '0', 0),
  (1, 37, '<Beam ', 0, 0, 0, '>', '0', 0),
  (1, 39, '</Beam>', 0, 0, 0, '0', '0', 0);

-- HEK
INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar, ID_NextFormatValue) VALUES
  (2, 1, 'None', 0, 11, 5, '0', '0', 0),
  (2, 2, 'None', 0, 17, 4, '0', '0', 0),
  (2, 3, 'None', 0, 22, 6, '0', '0', 0),
  (2, 4, 'None', 0, 28, 6, '0', '0', 0),
  (2, 5, 'None', 0, 1, 0, '0', '0', 0),
  (2, 6, 'None', 0, 2, 8, '0', '0', 0),
  (2, 8, 'None', 0, 0, 0, ',', '0', 0),
  (2, 9, 'None', 0, 34, 2, '0', '0', 0),
  (2, 10, 'None', 1, 1, 0, '0', '0', 0),
  (2, 11, 'None', 2, 1, 8, '0', '0', 0),
  (2, 12, 'None', 2, 9, 8, '0', '0', 0);

-- Parcientific
INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar, ID_NextFormatValue) VALUES
  (3, 1, ' ', 0, 0, 0, '0', '0', 0),
  (3, 2, 'SAD:', 0, 0, 0, '0', '0', 0),
  (3, 3, 'GANTRY:', 0, 0, 0, '0', '0', 0),
  (3, 4, 'COLLIMATOR:', 0, 0, 0, '0', '0', 0),
  (3, 5, 'PATIENT NAME:', 0, 0, 0, '0', '0', 0),
  (3, 6, 'PATIENT ID:', 0, 0, 0, '0', '0', 0),
  (3, 7, 'TARGET:', 0, 0, 0, '0', '0', 0),
  (3, 8, 'None', 0, 0, 0, '.', '0', 0),
  (3, 9, 'BLOCKS:', 0, 0, 0, '0', '0', 0),
  (3, 11, 'POINTS', 1, 1, 0, ' ', '0', 0),
  (3, 12, 'POINTS', 1, 11, 0, '0', '0', 0);

-- Multidata
INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar, ID_NextFormatValue) VALUES
  (4, 1, 'block1=1', 0, 1, 0, ' ', ' ', 0),
  (4, 2, 'block1=1', 0, 19, 0, ' ', ' ', 0),
  (4, 3, '[BEAM', 1, 0, 0, ' ', '0', 0),
  (4, 4, '[BEAM', 1, 1, 0, ' ', ' ', 0),
  (4, 5, '[PATIENT NAME]', 1, 0, 0, '0', '0', 0),
  (4, 6, '[PATIENT ID]', 1, 0, 0, '0', '0', 0),
  (4, 7, '[ZIELVOLUMEN]', 1, 0, 0, '0', '0', 0),
  (4, 8, 'None', 0, 0, 0, '.', '0', 0),
  (4, 9, 'block_qty=', 0, 0, 0, '0', '0', 0),
  (4, 11, 'block1pts', 0, 1, 0, ' ', ' ', 0),
  (4, 12, 'block1pts', 0, 1, 0, ' ', ' ', 0),
  (4, 20, '[BEAM', 0, 0, 0, '#', '0', 0),
  (4, 21, '[BEAM', 0, 0, 0, '0', '0', 0),
  (4, 25, '[BEAM', 1, 0, 0, '0', '0', 0),
  (4, 36, '[KOMMENTAR]', 1, 0, 0, '0', '0', 0),
  (4, 37, '[BEAM', 0, 0, 0, ']', '0', 0);

-- Huestis
INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar, ID_NextFormatValue) VALUES
  (5, 1, ' ', 0, 0, 0, '0', '0', 0),
  (5, 2, 'FIA:', 0, 0, 0, '0', '0', 0),
  (5, 3, 'GANTRY:', 0, 0, 0, '0', '0', 0),
  (5, 4, 'COLLIMATOR:', 0, 0, 0, '0', '0', 0),
  (5, 5, 'PATIENT NAME:', 0, 0, 0, '0', '0', 0),
  (5, 6, 'PATIENT ID:', 0, 0, 0, '0', '0', 0),
  (5, 8, 'None', 0, 0, 0, '.', '0', 0),
  (5, 9, 'CUTOUTS:', 0, 0, 0, '0', '0', 0),
  (5, 10, 'POINTS:', 0, 0, 0, '0', '0', 0),
  (5, 11, 'X:', 0, 0, 0, '0', '0', 0),
  (5, 12, 'Y:', 0, 0, 0, '0', '0', 0);

-- Target
INSERT INTO FormatValue (ID_BPRFormat, ID_Value, tagstr, lineoffset, rowoffset, len, endchar, beginchar, ID_NextFormatValue) VALUES
  (6, 1, 'FBA:', 0, 0, 0, 'm', '0', 0),
  (6, 2, 'Source axis distance:', 0, 0, 0, 'c', '0', 0),
  (6, 3, 'deg', 0, 0, 0, 'V', ':', 0),
  (6, 4, 'Collimator:', 0, 0, 0, '0', '0', 0),
  (6, 5, 'Patient name:', 0, 0, 0, '0', '0', 0),
  (6, 6, 'Patient code:', 0, 0, 0, '0', '0', 0),
  (6, 7, 'Treatment site:', 0, 0, 0, '0', '0', 0),
  (6, 8, 'None', 0, 0, 0, '.', '0', 0),
  (6, 9, 'Number of blocks:', 0, 0, 0, '0', '0', 0),
  (6, 10, 'Number of points:', 0, 0, 0, '0', '0', 0),
  (6, 11, 'X[mm]:', 0, 0, 0, '0', '0', 0),
  (6, 12, 'Y[mm]:', 0, 0, 0, '0', '0', 0),
  (6, 24, 'Field X2:', 0, 0, 0, 'm', '0', 0),
  (6, 25, 'Field X1:', 0, 0, 0, 'm', '0', 0),
  (6, 26, 'Field Y2:', 0, 0, 0, 'm', '0', 0),
  (6, 27, 'Field Y1:', 0, 0, 0, 'm', '0', 0);
