#pragma once

#include "config/TAdresse.h"
#include "config/TAnP.h"
#include "config/TBeschl.h"

#include <QList>
#include <QString>

namespace qv {

class ByteReader;
class ByteWriter;

/// One department of the customer with its contacts, accelerators and addresses.
class TAbteilung
{
public:
    /// Bytes of a department block without its contacts and accelerators.
    static constexpr int GrundGroesse = 1457;

    qint32 Version = 1;
    QString Name; // s[50]
    QList<TAnP> AnP;
    QList<TBeschl> Beschl;
    QString Transport; // s[50]
    QString Herkunft;  // s[50]
    QString Legierung; // s[50]
    qint32 AktAnP = 0;
    qint32 AktBeschl = 0;
    TAdresse Lieferanschrift;
    TAdresse Rechnungsanschrift;
    TAdresse Abholadresse;

    void NeuerAnP();
    void LoescheAnP(int index);
    void NeuerBeschl();
    void LoescheBeschl(int index);

    /// The contact / accelerator at the current index, nullptr when the index is not valid.
    TAnP *AktuellerAnP();
    const TAnP *AktuellerAnP() const;
    TBeschl *AktuellerBeschl();
    const TBeschl *AktuellerBeschl() const;

    /// Reads one department block; false (reader failed with a German message) on damaged bytes.
    bool Laden(qv::ByteReader &r);
    void Speichern(qv::ByteWriter &w) const;

    bool operator==(const TAbteilung &) const = default;
};

} // namespace qv
