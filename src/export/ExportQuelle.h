#pragma once

#include "base/KeinPunkt.h"
#include "order/TAuftragsart.h"

#include <QList>
#include <QPoint>
#include <QString>

namespace qv {

class TAuftrag;

/// What the production exports read from an opened order, gathered in one place so the
/// exports do not depend on how the order is held.
struct ExportQuelle
{
    /// The stored points of every contour in the order of their numbers (a closed contour
    /// repeats its first point at the end), workspace pixels.
    QList<QList<QPoint>> Konturen;
    QPoint FeldEcke1;
    QPoint FeldEcke2;
    /// Focus–film distance of the picture plane, cm.
    double FFA = 100.0;
    /// Workspace pixels per millimetre; 0 while no scale is set.
    double PixelProMM = 0.0;
    /// The scale PixelProMM comes from, to say what is wrong with it.
    QPoint MassstabPunkt1 = KeinPunkt;
    QPoint MassstabPunkt2 = KeinPunkt;
    qint32 MassstabAbstand = 10;
    /// FBA and EFBA texts of the current accelerator (decimal comma); empty without one.
    QString FBA;
    QString EFBA;
    TAuftragsart Auftragsart = TAuftragsart::NichtGewaehlt;
    /// Insertion angle in degrees: 0, 90, 180 or 270.
    int Drehwinkel = 0;
    QString Gantrywinkel;
    QString Kollimatorwinkel;
    QString PatientenID;
    QString KurzKommentar;
    QString Zielvolumen;
};

/// The export input of an order (as opened from its file).
ExportQuelle ExportQuelleAusAuftrag(const TAuftrag &auftrag);

} // namespace qv
