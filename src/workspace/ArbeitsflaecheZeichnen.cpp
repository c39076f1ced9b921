#include "workspace/ArbeitsflaecheZeichnen.h"

#include "base/Numbers.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace qv {

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

} // namespace qv
