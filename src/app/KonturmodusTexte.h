#pragma once

#include <QString>

// The help texts of moving and turning contours.
namespace qv::texte {

QString verschiebenHilfeTitel();
QString verschiebenHilfeText();
QString drehenHilfeTitel();
QString drehenHilfeText();

} // namespace qv::texte
