#include "workspace/AuftragsVorschau.h"

#include "config/TKonfiguration.h"
#include "order/AuftragsSitzung.h"
#include "order/RahmenZeichnen.h"
#include "order/TAuftrag.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheZeichnen.h"
#include "workspace/LinealBild.h"

#include <QPainter>


namespace qv {

namespace {

// The template the preview is painted on: the order's, or the ruler image when it has none.
QImage vorlageVon(const TAuftrag &auftrag)
{
    return auftrag.hatVorlage() ? auftrag.Vorlage : LinealBild();
}

// The paint box of the preview: the template's aspect ratio, as large as fits into
// groesse x groesse (at least one pixel each way).
QSize vorschauGroesse(const QSize &vorlage, int groesse)
{
    return PaintBoxEinpassen(QSize(groesse, groesse), vorlage).size().expandedTo(QSize(1, 1));
}

} // namespace

std::optional<TRahmenUeberlagerung> VorschauRahmen(const TAuftrag &auftrag, const TKonfiguration &konfig)
{
    if (!istElektronenAuftrag(auftrag.Auftragsart))
        return std::nullopt;
    // The frame's pen follows the width of the picture it is drawn on.
    TAuftrag mitVorlage = auftrag;
    mitVorlage.Vorlage = vorlageVon(auftrag);
    // The order opened as the window opens it: the frame it names, the order type done.
    AuftragsSitzung sitzung(konfig);
    sitzung.Oeffnen(mitVorlage);
    sitzung.StatusErgaenzen(ablauf::Auftragsart);
    return sitzung.Ueberlagerung(ModusBildVorlage);
}

QImage AuftragsVorschau(const TAuftrag &auftrag, const std::optional<TRahmenUeberlagerung> &rahmen, int groesse)
{
    const QImage vorlage = vorlageVon(auftrag);
    if (vorlage.isNull())
        return {};
    // The workspace of an opened order: image mode, every layer on, the order type chosen.
    TAuftrag kopie = auftrag;
    kopie.Vorlage = vorlage;
    Arbeitsflaeche a(kopie);
    a.Modus = ModusBildVorlage;
    a.AnzeigeZuruecksetzen();
    a.AblaufStatus = ablauf::Auftragsart;

    const QSize box = vorschauGroesse(vorlage.size(), groesse);
    const QImage skaliert = VorlageSkaliert(vorlage, box, a.Modus, false);
    if (skaliert.isNull())
        return {};
    QImage bild(box, QImage::Format_ARGB32_Premultiplied);
    if (bild.isNull())
        return {};
    bild.fill(Qt::white);
    const Abbildung abb = a.abbildung(box);
    QPainter p(&bild);
    ArbeitsflaecheZeichnen(p, a, abb, skaliert);
    // As the paint box: the frame only with a scale.
    if (rahmen && kopie.Massstab.PixelProMM != 0)
        RahmenZeichnen(p, abb, *rahmen);
    p.end();
    return bild.convertToFormat(QImage::Format_RGB32);
}

} // namespace qv
