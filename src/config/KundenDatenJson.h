#pragma once

#include "base/Result.h"

#include <QJsonObject>

namespace qv {

class TKundenDaten;

/// The customer data as one JSON object (texts as they are, FFA as a number), as printed by
/// the command line and embedded in its order summary.
QJsonObject KundenDatenAlsJson(const TKundenDaten &kunde);

/// How strictly KundenDatenAusJson checks the values.
enum class KundenJsonPruefung {
    /// Only what the customer block can hold: texts within their capacity and in Windows-1252,
    /// whole numbers within 32 bits (for test files with odd customer data).
    WasDieDateiFasst,
    /// Also what the program itself accepts: FFA 20 … 200 cm, AktAbteilung a department,
    /// AktAnP and AktBeschl a contact and an accelerator of their department.
    WasDasProgrammAnnimmt,
};

/// The reverse: customer data from such an object. Missing keys give empty texts and 0;
/// a value of the wrong kind or outside what is checked is an error naming the key. Nothing
/// is cut.
qv::Result<TKundenDaten> KundenDatenAusJson(const QJsonObject &json,
                                            KundenJsonPruefung pruefung = KundenJsonPruefung::WasDieDateiFasst);

} // namespace qv
