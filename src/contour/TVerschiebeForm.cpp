#include "contour/TVerschiebeForm.h"

#include "contour/SchrittFeld.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qv {

TVerschiebeForm::TVerschiebeForm(QWidget *parent)
    : KonturWerkzeugForm(QStringLiteral("VerschiebeForm"), QStringLiteral("Verschieben von Konturen"),
                         QStringLiteral("Verschiebung der Kontur/Apertur"), parent)
{
    // the arrows around the step field
    auto *kreuz = new QGridLayout;
    auto *links = knopf("BitBtn3", QStringLiteral("←"), QStringLiteral("nach links"));
    auto *oben = knopf("BitBtn4", QStringLiteral("↑"), QStringLiteral("nach oben"));
    auto *rechts = knopf("BitBtn5", QStringLiteral("→"), QStringLiteral("nach rechts"));
    auto *unten = knopf("BitBtn6", QStringLiteral("↓"), QStringLiteral("nach unten"));
    Edit1 = feldAnlegen("Edit1");
    kreuz->addWidget(oben, 0, 1);
    kreuz->addWidget(links, 1, 0);
    kreuz->addWidget(Edit1, 1, 1);
    kreuz->addWidget(rechts, 1, 2);
    kreuz->addWidget(new QLabel(QStringLiteral("in mm"), this), 1, 3);
    kreuz->addWidget(unten, 2, 1);
    abschliessen(kreuz, "BitBtn2", "BitBtn1",
                 QStringLiteral("Zum Verschieben die Kontur/Apertur mit Mausklick selektieren (Karomuster).\r\n"
                                "Alternativ, ohne sie zu selektieren, direkt mit Maus verschieben (Drag & Drop)."));

    const auto schritt = [this](Schrittrichtung r) { emit verschieben(r, Schritt()); };
    connect(links, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Links); });
    connect(oben, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Oben); });
    connect(rechts, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Rechts); });
    connect(unten, &QPushButton::clicked, this, [schritt] { schritt(Schrittrichtung::Unten); });
}

int TVerschiebeForm::Schritt() const
{
    return Edit1->Wert();
}

} // namespace qv
