#include "config/TKonfiguration.h"

#include "base/AtomicWriter.h"
#include "base/Cp1252.h"
#include "base/IniFile.h"
#include "base/Logging.h"

#include <QDir>

namespace qv {

namespace {

// A Count beyond this is a damaged file, not a list anybody keeps by hand.
constexpr qint32 kMaxEintraege = 100000;

QString einzeilig(QString wert)
{
    wert.replace(u'\r', u' ');
    wert.replace(u'\n', u' ');
    return wert;
}

} // namespace

QStringList leseKonfigListe(const IniFile &ini, const QString &abschnitt)
{
    qint32 anzahl = ini.readInteger(abschnitt, QStringLiteral("Count"), 0);
    if (anzahl > kMaxEintraege) {
        qCWarning(lcDatei) << "Count" << anzahl << "in" << abschnitt << "auf" << kMaxEintraege << "begrenzt";
        anzahl = kMaxEintraege;
    }
    return leseParallelListe(ini, abschnitt, std::max<qint32>(anzahl, 0));
}

QStringList leseParallelListe(const IniFile &ini, const QString &abschnitt, qsizetype anzahl)
{
    QStringList liste;
    liste.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        liste << ini.readString(abschnitt, QString::number(i));
    return liste;
}

TKonfiguration TKonfiguration::Beispiel()
{
    TKonfiguration k;
    k.EMailAdresse = QStringLiteral("auftrag@zarn-ek.example");
    k.Website = QStringLiteral("www.zarn-ek.example");
    k.Beschleuniger = {QStringLiteral("Varian"), QStringLiteral("Siemens"), QStringLiteral("Elekta"), QStringLiteral("GE")};
    k.Tragplatten = {QStringLiteral("Varian_298*298*6"),   QStringLiteral("Varian_298*298*9"),   QStringLiteral("Siemens_356*308*10"),
                     QStringLiteral("Siemens_307*307*9"),  QStringLiteral("Elekta_320*320*10"),  QStringLiteral("Elekta_400*320*9,5"),
                     QStringLiteral("GE_360*360*10")};
    k.ElektronenBlenden = {QStringLiteral("Varian_T6"),      QStringLiteral("Varian_T6_10"),   QStringLiteral("Varian_T10"),
                           QStringLiteral("Varian_T15"),     QStringLiteral("Varian_T20"),     QStringLiteral("Varian_T25"),
                           QStringLiteral("Siemens_10*10"),  QStringLiteral("Siemens_15*15"),  QStringLiteral("Siemens_20*20"),
                           QStringLiteral("Siemens_25*25"),  QStringLiteral("Siemens_40 Rund"), QStringLiteral("Elekta_6*6"),
                           QStringLiteral("Elekta_10*10"),   QStringLiteral("Elekta_14*14"),   QStringLiteral("Elekta_20*20"),
                           QStringLiteral("GE_12*6"),        QStringLiteral("GE_10*10"),       QStringLiteral("GE_15*15"),
                           QStringLiteral("GE_20*20"),       QStringLiteral("GE_25*25")};
    // The sample frame list comes without sizes; the largest size keeps every aperture allowed.
    for (qsizetype i = 0; i < k.ElektronenBlenden.size(); ++i)
        k.ElektronenBlendenGroesse << QStringLiteral("926,926");
    k.Transport = {QStringLiteral("vor 9 Uhr"), QStringLiteral("vor 10 Uhr"), QStringLiteral("vor 12 Uhr"), QStringLiteral("über Nacht")};
    k.TransportKosten = {QStringLiteral("15 Euro"), QStringLiteral("14 Euro"), QStringLiteral("13 Euro"), QStringLiteral("12 Euro")};
    k.Leistung = {QStringLiteral("1 Bestahlungsfeld"), QStringLiteral("2 Bestahlungsfelder"), QStringLiteral("3 Bestahlungsfelder"),
                  QStringLiteral("ElektronenBlende")};
    k.LeistungKosten = {QStringLiteral("122 Euro"), QStringLiteral("152 Euro"), QStringLiteral("170 Euro"), QStringLiteral("105 Euro")};
    k.AGBs = {QStringLiteral("Bitte entnehmen Sie die AGB unserer "), QStringLiteral("Website.")};
    return k;
}

void TKonfiguration::Laden(const qv::IniFile &ini)
{
    const QString init = QStringLiteral("Init");
    if (ini.readInteger(init, QStringLiteral("Fileversion"), 0) >= 2) {
        EMailAdresse = ini.readString(init, QStringLiteral("EMailAdresse"), EMailAdresse);
        Website = ini.readString(init, QStringLiteral("Website"), Website);
    }
    Beschleuniger = qv::leseKonfigListe(ini, QStringLiteral("Beschleuniger"));
    Tragplatten = qv::leseKonfigListe(ini, QStringLiteral("Tragplatten"));
    ElektronenBlenden = qv::leseKonfigListe(ini, QStringLiteral("ElektronenBlenden"));
    ElektronenBlendenGroesse = qv::leseParallelListe(ini, QStringLiteral("ElektronenBlenden_Groesse"), ElektronenBlenden.size());
    Transport = qv::leseKonfigListe(ini, QStringLiteral("Transport"));
    TransportKosten = qv::leseParallelListe(ini, QStringLiteral("Transport_Kosten"), Transport.size());
    Leistung = qv::leseKonfigListe(ini, QStringLiteral("Leistung"));
    LeistungKosten = qv::leseParallelListe(ini, QStringLiteral("Leistung_Kosten"), Leistung.size());
    AGBs = qv::leseKonfigListe(ini, QStringLiteral("AGBs"));
    Regularien = qv::leseKonfigListe(ini, QStringLiteral("Regularien"));
}

QByteArray TKonfiguration::AlsIniText() const
{
    QString text;
    auto abschnitt = [&text](const QString &name) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n");
        text += u'[' + name + QStringLiteral("]\r\n");
    };
    auto wert = [&text](const QString &key, const QString &w) { text += key + u'=' + einzeilig(w) + QStringLiteral("\r\n"); };
    // The numbered lists (trays, frames, sizes) keep at most 200 characters per entry.
    auto liste = [&](const QString &name, const QStringList &eintraege, bool mitCount, bool nummeriert = false) {
        abschnitt(name);
        if (mitCount)
            wert(QStringLiteral("Count"), QString::number(eintraege.size()));
        for (qsizetype i = 0; i < eintraege.size(); ++i)
            wert(QString::number(i), nummeriert ? eintraege[i].left(200) : eintraege[i]);
    };
    // A parallel list is written with the main list's length, entry for entry.
    auto parallel = [](const QStringList &p, qsizetype n) {
        QStringList r = p.mid(0, n);
        while (r.size() < n)
            r << QString();
        return r;
    };

    abschnitt(QStringLiteral("Init"));
    wert(QStringLiteral("Fileversion"), QStringLiteral("2"));
    wert(QStringLiteral("EMailAdresse"), EMailAdresse);
    wert(QStringLiteral("Website"), Website);
    liste(QStringLiteral("Beschleuniger"), Beschleuniger, true);
    liste(QStringLiteral("Tragplatten"), Tragplatten, true, true);
    liste(QStringLiteral("ElektronenBlenden"), ElektronenBlenden, true, true);
    liste(QStringLiteral("ElektronenBlenden_Groesse"), parallel(ElektronenBlendenGroesse, ElektronenBlenden.size()), false, true);
    liste(QStringLiteral("Transport"), Transport, true);
    liste(QStringLiteral("Transport_Kosten"), parallel(TransportKosten, Transport.size()), false);
    liste(QStringLiteral("Leistung"), Leistung, true);
    liste(QStringLiteral("Leistung_Kosten"), parallel(LeistungKosten, Leistung.size()), false);
    liste(QStringLiteral("AGBs"), AGBs, true);
    liste(QStringLiteral("Regularien"), Regularien, true);
    return qv::toCp1252(text);
}

qv::Result<void> TKonfiguration::Speichern(const QString &pfad) const
{
    return qv::writeFileAtomically(pfad, AlsIniText());
}

QString TKonfiguration::AnzeigePrefix(qsizetype index)
{
    return QStringLiteral("%1=> ").arg(index + 1, 2, 10, QLatin1Char('0'));
}

} // namespace qv
