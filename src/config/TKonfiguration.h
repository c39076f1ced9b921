#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

namespace qv {

class IniFile;

/// Value of a removed list entry: it keeps its index and matches nothing.
inline const QString kGeloescht = QStringLiteral("gelöscht");

/// Reads a list of the product configuration: Count (default 0), then the keys 0 … Count−1
/// (a missing entry reads as empty text).
QStringList leseKonfigListe(const IniFile &ini, const QString &abschnitt);
/// Reads a parallel list (no Count of its own) for a main list of the given length.
QStringList leseParallelListe(const IniFile &ini, const QString &abschnitt, qsizetype anzahl);

/// The whole product configuration as the editor holds it, read from and written to
/// QuellvantarConfig.cfg.
struct TKonfiguration
{
    QString EMailAdresse;
    QString Website;
    QStringList Beschleuniger;
    QStringList Tragplatten;
    QStringList ElektronenBlenden;
    QStringList ElektronenBlendenGroesse; // parallel to ElektronenBlenden, "x,y" in 1/10 mm
    QStringList Transport;
    QStringList TransportKosten; // parallel to Transport
    QStringList Leistung;
    QStringList LeistungKosten; // parallel to Leistung
    QStringList AGBs;
    QStringList Regularien;

    /// The sample content of a new editor: a suitable first configuration file.
    static TKonfiguration Beispiel();

    /// Replaces the lists by the file's content; e-mail and web site keep their current text
    /// when the file does not have them (or is older than version 2).
    void Laden(const qv::IniFile &ini);
    /// The whole file in its fixed order; keys and sections not listed here are not kept.
    QByteArray AlsIniText() const;
    /// Writes the whole file atomically: a failed write leaves the old file as it was.
    qv::Result<void> Speichern(const QString &pfad) const;

    /// Display prefix of entry index i of the numbered lists: "03=> " for index 2.
    static QString AnzeigePrefix(qsizetype index);

    bool operator==(const TKonfiguration &) const = default;
};

} // namespace qv
