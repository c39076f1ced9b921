#pragma once

#include <QString>

// The program's own texts of the main window and the interactive input, kept in one place.
namespace qv::texte {

// modes and new orders
QString modusWechselFrage();
QString neuInitialisierenFrage();
QString kontureingabeLaeuftNochMeldung();
QString agbMeldung(const QString &homepage);
QString preislisteMeldung(const QString &homepage);

// isocentre
QString ohneBildIsozentrum();
QString isozentrumNeuFrage();
QString isozentrumHilfeTitel();
QString isozentrumHilfeText();
// scale
QString ohneBildMassstab();
QString massstabHilfeTitel();
QString massstabHilfeText();
// field
QString ohneBildFeld();
QString feldHilfeTitel();
QString feldHilfeText();
// contours
QString ohneBildKonturen();
QString konturNichtGeschlossenFrage();
QString konturHilfeTitel();
QString konturHilfeText();
QString eingabeBeenden();

} // namespace qv::texte
