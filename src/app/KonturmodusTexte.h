#pragma once

#include <QString>

// The texts of moving and turning contours.
namespace qv::texte {

QString verschiebenHilfeTitel();
QString verschiebenHilfeText();
QString verschiebenHinweis();
QString drehenHilfeTitel();
QString drehenHilfeText();
QString drehenHinweis();

} // namespace qv::texte
