-- The maker's customer database: the short designation of a customer by postcode.
-- One text for both engines: names are quoted so a server keeps their case, and
-- "INTEGER PRIMARY KEY AUTOINCREMENT" becomes the server's identity column.
CREATE TABLE "Kunde" (
  "Kun_ID" INTEGER PRIMARY KEY AUTOINCREMENT,
  "Name" VARCHAR(50) CHECK (length("Name") <= 50),
  "KBez" VARCHAR(10) CHECK (length("KBez") <= 10),
  "Straße" VARCHAR(255) CHECK (length("Straße") <= 255),
  "Stadt" VARCHAR(50) CHECK (length("Stadt") <= 50),
  "Postleitzahl" VARCHAR(20) CHECK (length("Postleitzahl") <= 20),
  "Land" VARCHAR(50) CHECK (length("Land") <= 50),
  "Telefon" VARCHAR(30) CHECK (length("Telefon") <= 30),
  "Telefax" VARCHAR(30) CHECK (length("Telefax") <= 30),
  "Username" VARCHAR(10) CHECK (length("Username") <= 10),
  "Offline" BOOLEAN,
  "FrachtbriefKunde" BOOLEAN,
  "Versandart" INTEGER
);
-- Every export looks a customer up by postcode.
CREATE INDEX "Kunde_Postleitzahl" ON "Kunde" ("Postleitzahl");
