#include "order/Auftragsart.h"

#include "base/Numbers.h"
#include "config/TKonfiguration.h"
#include "config/TKundenDaten.h"
#include "order/TAuftrag.h"
#include "workspace/Arbeitsmodus.h"
#include "workspace/Koordinaten.h"

#include <algorithm>
#include <cstdlib>

namespace qv {

namespace {

const QString kKeineTragplatte = QStringLiteral("Keine Tragplatte");

qint64 rund(double v)
{
    return roundHalfEven(v);
}

} // namespace

QStringList HerkunftTexte()
{
    return {QStringLiteral("Leihgabe von Zarn e.K."), QStringLiteral("Kauf von Zarn e.K."),
            QStringLiteral("aus meinem Bestand bei Zarn e.K."), QStringLiteral("ich liefere vorab an Zarn e.K.")};
}

QString Hersteller(const QString &herstellerText)
{
    const qsizetype blank = herstellerText.indexOf(u' ');
    return blank < 0 ? herstellerText : herstellerText.left(blank);
}

QString Hersteller(const TKundenDaten &kunde)
{
    const TBeschl *b = kunde.AktuellerBeschl();
    return b ? Hersteller(b->Beschleuniger) : QString();
}

std::optional<QPoint> BlendenGroesseLesen(const QString &text)
{
    const QString t = text.trimmed().isEmpty() ? QStringLiteral("10,10") : text;
    const qsizetype komma = t.indexOf(u',');
    if (komma < 0)
        return std::nullopt;
    const auto x = parseInt32(QStringView(t).left(komma));
    const auto y = parseInt32(QStringView(t).mid(komma + 1));
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

TRahmenListe RahmenListeFuellen(const TKonfiguration &konfig, const QString &hersteller)
{
    TRahmenListe liste;
    for (qsizetype i = 0; i < konfig.ElektronenBlenden.size(); ++i) {
        const QString &rahmen = konfig.ElektronenBlenden[i];
        if (rahmen == kGeloescht || !rahmen.startsWith(hersteller))
            continue;
        const QString text = i < konfig.ElektronenBlendenGroesse.size() ? konfig.ElektronenBlendenGroesse[i] : QString();
        const std::optional<QPoint> groesse = BlendenGroesseLesen(text);
        if (!groesse)
            liste.Meldungen << QStringLiteral("Die Blendengröße (") + rahmen + QStringLiteral(") steht falsch im QuellvantarKonfigFile!");
        liste.Rahmen << rahmen;
        liste.BlendenGroessen << groesse.value_or(QPoint(0, 0));
    }
    return liste;
}

QStringList TragplattenListe(const TKonfiguration &konfig, const QString &hersteller)
{
    QStringList liste;
    for (const QString &t : konfig.Tragplatten) {
        if (t != kGeloescht && (t.startsWith(hersteller) || t == kKeineTragplatte))
            liste << t;
    }
    return liste;
}

std::optional<QPoint> BlendenGroesseVon(const TKonfiguration &konfig, const QString &rahmen)
{
    const qsizetype i = konfig.ElektronenBlenden.indexOf(rahmen);
    if (i < 0 || rahmen == kGeloescht)
        return std::nullopt;
    return BlendenGroesseLesen(i < konfig.ElektronenBlendenGroesse.size() ? konfig.ElektronenBlendenGroesse[i] : QString());
}

QPoint AperturAusdehnung(const TAuftrag &auftrag)
{
    const double ppm = auftrag.PixelProMM();
    return {PixelZuMM(auftrag.Konturen.ExtremX(), ppm).x(), PixelZuMM(auftrag.Konturen.ExtremY(), ppm).y()};
}

bool PasstInRahmen(QPoint ausdehnungMM, QPoint blendenGroesse, double ffa)
{
    // The frame's extent is given in the isocentre plane; the aperture lies in the image plane.
    const qint64 sx = rund(blendenGroesse.x() / 100.0 * ffa);
    const qint64 sy = rund(blendenGroesse.y() / 100.0 * ffa);
    return std::llabs(qint64(ausdehnungMM.x()) * 10) <= sx / 2 && std::llabs(qint64(ausdehnungMM.y()) * 10) <= sy / 2;
}

bool RahmenPasst(const TAuftrag &auftrag, const std::optional<QPoint> &blendenGroesse)
{
    if (!istElektronenAuftrag(auftrag.Auftragsart))
        return true;
    if (!blendenGroesse)
        return false;
    return PasstInRahmen(AperturAusdehnung(auftrag), *blendenGroesse, auftrag.Kundendaten.FFA);
}

QString RahmenPasstNichtGrund()
{
    return QStringLiteral("Der gewählte Rahmen paßt nicht: Die Apertur muß in den Rahmen passen, damit der Auftrag "
                          "gespeichert werden kann. Wählen Sie einen passenden Rahmen (Auftragsart, Bestfit) oder "
                          "verschieben bzw. drehen Sie die Apertur.");
}

int RahmenSuchen(const TAuftrag &auftrag, const QList<QPoint> &blendenGroessen)
{
    // The same projected test as the fit check, so that the frame found is one the check accepts.
    const QPoint ausdehnung = AperturAusdehnung(auftrag);
    for (qsizetype i = 0; i < blendenGroessen.size(); ++i) {
        if (PasstInRahmen(ausdehnung, blendenGroessen[i], auftrag.Kundendaten.FFA))
            return int(i);
    }
    return -1;
}

std::optional<TRahmenUeberlagerung> RahmenUeberlagerung(const TAuftrag &auftrag, const TKonfiguration &konfig,
                                                         const QString &rahmen, int modus, bool auftragsartGewaehlt)
{
    if (!auftragsartGewaehlt || !istElektronenAuftrag(auftrag.Auftragsart) || !auftrag.MassstabGesetzt() || rahmen.isEmpty())
        return std::nullopt;
    // The overlay shows the configured size (also when the list shows it as unreadable).
    const qsizetype i = konfig.ElektronenBlenden.indexOf(rahmen);
    if (i < 0)
        return std::nullopt;
    const QPoint v = BlendenGroesseLesen(i < konfig.ElektronenBlendenGroesse.size() ? konfig.ElektronenBlendenGroesse[i] : QString())
                         .value_or(QPoint(0, 0));

    TRahmenUeberlagerung u;
    u.Rund = rahmen.contains(QStringLiteral("Rund"));
    u.Beschriftung = u.Rund ? rahmen + QStringLiteral(" (Max %1 mm durchmesser)").arg(v.x() / 10)
                            : rahmen + QStringLiteral(" (Max %1 x %2 mm)").arg(v.x() / 10).arg(v.y() / 10);

    qint64 x = 0;
    qint64 y = 0;
    if (modus == ModusBPR || modus == ModusDICOM) {
        x = rund(v.x() * 0.3);
        y = rund(v.y() * 0.3);
    } else {
        const double ppm = auftrag.PixelProMM();
        const double ffa = auftrag.Kundendaten.FFA;
        x = rund(double(rund(ppm * v.x() / 10.0)) / 100.0 * ffa);
        y = rund(double(rund(ppm * v.y() / 10.0)) / 100.0 * ffa);
    }
    u.StiftBreite = auftrag.Vorlage.width() / 140;
    const qint64 c = u.StiftBreite / 2;
    const auto klemme = [](qint64 w) { return int(std::clamp<qint64>(w, -1'000'000'000, 1'000'000'000)); };
    u.Ecke1 = QPoint(klemme(-(x / 2) - c), klemme(-(y / 2) - c));
    u.Ecke2 = QPoint(klemme(x / 2 + c), klemme(y / 2 + c));
    u.Passt = RahmenPasst(auftrag, BlendenGroesseVon(konfig, rahmen));
    return u;
}

int HerkunftSeite(const QString &herkunft)
{
    static constexpr int kSeiten[] = {0, 2, 1, 3};
    const int i = ListenIndex(HerkunftTexte(), herkunft);
    return i < 0 ? -1 : kSeiten[i];
}

QString HerkunftDerSeite(int seite)
{
    static constexpr int kTexte[] = {0, 2, 1, 3};
    return seite >= 0 && seite < 4 ? HerkunftTexte()[kTexte[seite]] : QString();
}

bool IstSiemensRahmen(const QString &rahmen)
{
    return rahmen.left(7).toUpper() == u"SIEMENS";
}

int ListenIndex(const QStringList &liste, const QString &text)
{
    return int(liste.indexOf(text));
}

TAuftragsart LetzteAuftragsart(const QString &einstellung)
{
    return einstellung == kTragplattenAuftrag ? TAuftragsart::Photonen : TAuftragsart::Elektronen;
}

} // namespace qv
