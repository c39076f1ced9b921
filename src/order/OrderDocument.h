#pragma once

#include "order/TAuftrag.h"

#include <QString>
#include <QStringList>

namespace qv {

/// The version the writer produces.
constexpr qint32 AuftragsdateiVersion = 6;

/// Which parts of the order the last read replaced; a file that ends early replaces the
/// parts before the damage only.
struct OrderItemsRead
{
    bool Vorlage = false;
    bool Isozentrum = false;
    bool Konturen = false;
    bool Massstab = false;
    bool Feld = false;
    bool Einschubrichtung = false;
    bool Auftragsdaten = false;
    bool Kundendaten = false;
    bool Auftragsart = false;
};

/// What reading an order file gives: the order, and what only the read knows (the file's
/// version, the version of the program that wrote it, which parts were read, the notes).
///
/// A read starts from a copy of the order it is to replace (as the open command's reset left
/// it), so whatever the file does not carry keeps that order's value; the caller applies
/// Auftrag only when the read succeeded.
struct OrderDocument
{
    OrderDocument() = default;
    explicit OrderDocument(const qv::TAuftrag &basis) : Auftrag(basis) {}

    qv::TAuftrag Auftrag;
    qint32 Version = AuftragsdateiVersion;
    QString GeladeneVersion; // program version of the file read
    OrderItemsRead Gelesen;
    /// The direction byte as the file holds it (codes outside 1..4 do not change the order).
    quint8 EinschubrichtungsCode = 0;
    /// What the read had to say without failing (a contour too short to close), in order.
    QStringList Hinweise;
};

} // namespace qv
