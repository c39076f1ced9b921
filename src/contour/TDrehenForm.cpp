#include "contour/TDrehenForm.h"

#include "contour/SchrittFeld.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qv {

TDrehenForm::TDrehenForm(QWidget *parent)
    : KonturWerkzeugForm(QStringLiteral("DrehenForm"), QStringLiteral("Drehen von Konturen"),
                         QStringLiteral("Drehen der Kontur/Apertur um"), parent)
{
    auto *raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Winkel"), this), 0, 0);
    E_Drehen = feldAnlegen("E_Drehen");
    raster->addWidget(E_Drehen, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("°"), this), 0, 2);
    auto *btn_left = knopf("btn_left", QStringLiteral("↺ CCW"), QStringLiteral("gegen den Uhrzeigersinn"));
    auto *btn_right = knopf("btn_right", QStringLiteral("CW ↻"), QStringLiteral("im Uhrzeigersinn"));
    raster->addWidget(btn_left, 1, 0);
    raster->addWidget(btn_right, 1, 1, 1, 2);
    abschliessen(raster, "Btn_Uebernahme", "btn_cancel",
                 QStringLiteral("Zum Drehen die Kontur/Apertur mit Mausklick selektieren (Karomuster)."));

    connect(btn_left, &QPushButton::clicked, this, [this] { emit drehen(Winkel(), false); });
    connect(btn_right, &QPushButton::clicked, this, [this] { emit drehen(Winkel(), true); });
}

int TDrehenForm::Winkel() const
{
    return E_Drehen->Wert();
}

} // namespace qv
