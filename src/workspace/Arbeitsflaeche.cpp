#include "workspace/Arbeitsflaeche.h"

#include "base/Numbers.h"
#include "config/TKundenDaten.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace qv {

bool &Anzeige::operator[](Ebene e)
{
    switch (e) {
    case Ebene::Bild: return Bild;
    case Ebene::Iso: return Iso;
    case Ebene::Scale: return Scale;
    case Ebene::Konturen: return Konturen;
    case Ebene::Feld: break;
    }
    return Feld;
}

void Arbeitsflaeche::IsozentrumSetzen(const QPoint &seite)
{
    m_auftrag->Isozentrum = seite;
    m_auftrag->IsozentrumGesetzt = true;
    AblaufStatus = ablauf::Bild | ablauf::Isozentrum;
}

void Arbeitsflaeche::MassstabPunktSetzen(int index, const QPoint &p)
{
    m_auftrag->MassstabPunktSetzen(index, p);
}

void Arbeitsflaeche::AnzeigeZuruecksetzen()
{
    anzeige = Anzeige{};
    anzeige.Scale = Modus == ModusBildVorlage;
}

void Arbeitsflaeche::UeberlagerungenLoeschen()
{
    m_auftrag->UeberlagerungenLoeschen();
}

Abbildung Arbeitsflaeche::abbildung(const QSize &geraet) const
{
    const QSize bild = m_auftrag->Vorlage.size();
    return Abbildung(bild, geraet.isEmpty() ? bild : geraet, m_auftrag->Isozentrum);
}

QString MassstabText(const Arbeitsflaeche &a)
{
    if (a.Modus != ModusBildVorlage || !a.MassstabGesetzt() || !a.anzeige.Scale)
        return QStringLiteral("xx cm");
    return formatDecimal(a.auftrag().Massstab.MassstabAbstand / 10.0) + QStringLiteral(" cm");
}

namespace {

/// The workspace and the order picture show the outlines without their point marks; the
/// contour set is only read.
void KonturenOhnePunkteZeichnen(QPainter &p, const TKonturen &k)
{
    p.save();
    for (int n = 1; n <= k.Anzahl(); ++n)
        k.Kontur(n).Zeichnen(p, false);
    p.restore();
}

} // namespace

void IsozentrumZeichnen(QPainter &p, const Arbeitsflaeche &a)
{
    if (!a.auftrag().IsozentrumGesetzt)
        return;
    p.save();
    p.setPen(QPen(QColor(0, 128, 0), 1));
    p.drawLine(QPoint(0, KeinPunktWert), QPoint(0, -KeinPunktWert));
    p.drawLine(QPoint(KeinPunktWert, 0), QPoint(-KeinPunktWert, 0));
    p.restore();
}

void FeldZeichnen(QPainter &p, const QPoint &c1, const QPoint &c2)
{
    p.save();
    const QColor farbe(166, 202, 240);
    p.setPen(QPen(farbe, 1));
    p.setBrush(farbe);
    // Not-XOR: each pixel becomes NOT(colour XOR pixel), so a second pass restores the picture.
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    const QPoint ecke2(c1.x(), c2.y());
    const QPoint ecke4(c2.x(), c1.y());
    const QPoint linien[] = {c1, ecke2, c2, ecke4};
    p.drawPolyline(linien, 4);
    const QPoint flaeche[] = {c1, ecke2, c2, ecke4, ecke4};
    p.drawPolygon(flaeche, 5);
    p.restore();
}

void MassstabZeichnen(const QPoint &p1, const QPoint &p2, QPainter &p, int t)
{
    if (p1 == p2)
        return;
    const double dx = double(p1.x()) - p2.x();
    const double dy = double(p1.y()) - p2.y();
    const double laenge = std::sqrt(dx * dx + dy * dy);
    const double nx = dx / laenge;
    const double ny = dy / laenge;
    const QPoint tick(int(roundHalfEven(-ny * t)), int(roundHalfEven(t * nx)));
    const double L = double(roundHalfEven(laenge)) / 2;
    const QPoint m(int(roundHalfEven(-nx * L)), int(roundHalfEven(L * -ny)));
    p.drawLine(p1, p2);
    p.drawLine(p1 - tick, p1 + tick);
    p.drawLine(p1 + m - tick, p1 + m + tick);
    p.drawLine(p2 - tick, p2 + tick);
}

void UeberlagerungZeichnen(QPainter &p, const Arbeitsflaeche &a, const Abbildung &abb)
{
    p.save();
    p.setTransform(abb.arbeitZuGeraetTransform(), true);
    if (istGesetzt(a.auftrag().FeldEcke1) && istGesetzt(a.auftrag().FeldEcke2) && a.anzeige.Feld)
        FeldZeichnen(p, a.auftrag().FeldEcke1, a.auftrag().FeldEcke2);
    if (a.anzeige.Konturen) {
        KonturenOhnePunkteZeichnen(p, a.auftrag().Konturen);
    }
    if (a.anzeige.Iso)
        IsozentrumZeichnen(p, a);
    if (a.Modus == ModusBildVorlage && a.MassstabGesetzt() && a.anzeige.Scale) {
        p.save();
        p.setPen(QPen(QColor(255, 0, 0), 2));
        MassstabZeichnen(a.auftrag().Massstab.MassstabPunkt1, a.auftrag().Massstab.MassstabPunkt2, p, 15);
        p.restore();
    }
    p.restore();
}

void ArbeitsflaecheZeichnen(QPainter &p, const Arbeitsflaeche &a, const Abbildung &abb, const QImage &skaliert)
{
    if (!a.hatVorlage())
        return;
    if (a.anzeige.Bild && !skaliert.isNull())
        p.drawImage(0, 0, skaliert);
    UeberlagerungZeichnen(p, a, abb);
}

QImage VorlageSkaliert(const QImage &vorlage, const QSize &geraet, int modus, bool invertiert)
{
    if (vorlage.isNull() || geraet.isEmpty())
        return {};
    // The widget paints premultiplied 32-bit pixels; converting once here keeps each
    // frame a plain copy.
    QImage bild = vorlage.scaled(geraet, Qt::IgnoreAspectRatio,
                                 modus == ModusBildVorlage ? Qt::SmoothTransformation : Qt::FastTransformation)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (invertiert && modus == ModusBildVorlage)
        bild.invertPixels();
    return bild;
}

Result<QImage> AuftragsBild(const Arbeitsflaeche &a, bool MitVorlage)
{
    if (!a.hatVorlage()) {
        if (MitVorlage)
            return Error{QStringLiteral("Kein Aufnahmebild vorhanden...")};
        return QImage();
    }
    QImage bild(a.auftrag().Vorlage.size(), QImage::Format_RGB32);
    if (bild.isNull())
        return QImage();
    if (MitVorlage) {
        bild = a.auftrag().Vorlage.convertToFormat(QImage::Format_RGB32);
        if (bild.isNull())
            return QImage();
    } else {
        bild.fill(Qt::white);
    }
    if (a.Invertiert)
        bild.invertPixels();

    QPainter p(&bild);
    p.setTransform(a.abbildung().arbeitZuGeraetTransform());
    KonturenOhnePunkteZeichnen(p, a.auftrag().Konturen);
    FeldZeichnen(p, a.auftrag().FeldEcke1, a.auftrag().FeldEcke2);
    IsozentrumZeichnen(p, a);
    p.end();
    return bild;
}

namespace {

QString cm(int mm) { return formatDecimal(mm / 10.0); }

QString paar(const std::optional<QPoint> &mm)
{
    if (!mm)
        return QStringLiteral("? | ?");
    return cm(mm->x()) + QStringLiteral(" | ") + cm(mm->y());
}

QString feldText(const QPoint &e1, const QPoint &e2, double ppmm)
{
    const QPoint m1 = PixelZuMM(e1, ppmm);
    const QPoint m2 = PixelZuMM(e2, ppmm);
    return QStringLiteral("Feldgröße (in 100) (") + cm(m2.x() - m1.x()) + QStringLiteral(" cm * ") + cm(m1.y() - m2.y())
           + QStringLiteral(" cm)");
}

} // namespace

StatusTexte StatusAnzeigen(const QPoint &geraet, const Arbeitsflaeche &a, const Abbildung &abb,
                          const TKundenDaten &kunde)
{
    StatusTexte t;
    const QString keinFeld = QStringLiteral("kein Bestrahlungsfeld angegeben");
    if (!a.MassstabGesetzt() || !istGesetzt(geraet)) {
        t.panel0 = QStringLiteral("kein Maßstab vorhanden");
        t.panel1 = keinFeld;
        return t;
    }
    const double ppmm = a.auftrag().Massstab.PixelProMM;
    const QPoint arbeit = abb.geraetZuArbeit(geraet);
    const QPoint M = PixelZuMM(arbeit, ppmm);
    const TBeschl *beschl = kunde.AktuellerBeschl();

    if (istPhotonenAuftrag(a.auftrag().Auftragsart)) {
        t.panel0 = QStringLiteral(" FBA [") + (beschl ? beschl->FBA : QString()) + QStringLiteral(" cm] : (")
                   + paar(kunde.BildZuBlockebene(M)) + QStringLiteral(") cm");
    } else {
        // shown as the cut-out plane uses it; the customer's text stays as it is
        const std::optional<QPoint> blende = kunde.BildZuBlendenebeneAnzeige(M);
        t.panel0 = QStringLiteral(" EFBA [") + (beschl ? TKundenDaten::EFBAAnzeige(*beschl) : QString())
                   + QStringLiteral(" cm] : (")
                   + paar(blende) + QStringLiteral(") cm");
    }
    t.panel1 = QStringLiteral(" FIA [100 cm] : (") + paar(kunde.BildZuIsoebene(M)) + QStringLiteral(") cm");
    t.panel2 = QStringLiteral(" FFA [") + formatDecimal(kunde.FFA) + QStringLiteral(" cm] : (") + paar(M)
               + QStringLiteral(") cm");
    if (istGesetzt(a.auftrag().FeldEcke2))
        t.panel3 = feldText(a.auftrag().FeldEcke1, a.auftrag().FeldEcke2, ppmm);
    else if (!istGesetzt(a.auftrag().FeldEcke1))
        t.panel3 = keinFeld;
    else
        t.panel3 = feldText(a.auftrag().FeldEcke1, arbeit, ppmm);
    return t;
}

FFAAnzeige FFAAnzeigeFuer(double ffa)
{
    return {formatDecimal(ffa), roundHalfEven(ffa) != 100};
}

} // namespace qv
