#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>

namespace qv {

/// The order data of one order, as stored in the order file (952 bytes; version-1 files
/// carry a 904-byte record without `Legierung`). Texts are held as read; storing cuts each
/// to its capacity.
struct TAuftragsdatenRec
{
    static constexpr int kGroesse = 952;
    static constexpr int kGroesseV1 = 904;
    /// Given to version-1 orders, which had no alloy field.
    static QString legierungV1() { return QStringLiteral("Leihgabe von Zarn e.K."); }

    bool Gueltig = false;
    QString Kunde;
    double Datum = 0.0; // TDateTime: days since 1899-12-30
    QString Beschleuniger;
    QString Bearbeiter;
    QString FBA;
    QString EFBA;
    QString Modus;
    QString TragplatteRahmen;
    QString Herkunft;
    QString Legierung;
    bool MitCodierung = false;
    QString Codierung;
    QString PatientenID;
    QString Zielvolumen;
    QString KurzKommentar;
    QString Kollimatorwinkel;
    QString Gantrywinkel;
    QString Gusshoehe;
    QString Transport;

    /// The 952 bytes; padding and unused string tails are zero.
    QByteArray toBytes() const;
    /// From exactly kGroesse bytes (shorter input yields an empty record).
    static TAuftragsdatenRec fromBytes(QByteArrayView bytes);
    /// From the kGroesseV1 bytes of a version-1 file; `Legierung` gets legierungV1().
    static TAuftragsdatenRec fromBytesV1(QByteArrayView bytes);

    /// Every field by its name: booleans, `Datum` as a number, texts as strings.
    QJsonObject toJson() const;

    bool operator==(const TAuftragsdatenRec &) const = default;
};

} // namespace qv
