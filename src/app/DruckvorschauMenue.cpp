#include "app/DruckvorschauMenue.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace qv {

DruckvorschauMenue::DruckvorschauMenue(QWidget &fenster) : QObject(&fenster)
{
    if (QMenu *drucken = fenster.findChild<QMenu *>(QStringLiteral("Drucken"))) {
        drucken->addSeparator();
        QMenu *vorschau = drucken->addMenu(QStringLiteral("Druckvorschau"));
        vorschau->setObjectName(QStringLiteral("Druckvorschau1"));
        const struct
        {
            const char *name;
            const char *text;
            DruckAuswahl auswahl;
        } eintraege[] = {{"DruckvorschauAuftragsdaten1", "Auftragsdaten", DruckAuswahl::Auftragsdaten},
                         {"DruckvorschauKundendaten1", "Kundendaten", DruckAuswahl::Kundendaten},
                         {"DruckvorschauAlles1", "Alles", DruckAuswahl::Alles}};
        for (const auto &e : eintraege) {
            QAction *a = vorschau->addAction(QString::fromUtf8(e.text));
            a->setObjectName(QString::fromLatin1(e.name));
            connect(a, &QAction::triggered, this, [this, auswahl = e.auswahl] { emit this->vorschau(auswahl); });
        }
    }

    QMenu *datei = fenster.findChild<QMenu *>(QStringLiteral("Datei1"));
    QAction *drucken = fenster.findChild<QAction *>(QStringLiteral("Drucken1"));
    if (!datei || !drucken)
        return;
    const QList<QAction *> eintraege = datei->actions();
    const qsizetype i = eintraege.indexOf(drucken);
    QAction *item = new QAction(QStringLiteral("Druckvorschau ..."), datei);
    item->setObjectName(QStringLiteral("Druckvorschau2"));
    datei->insertAction(i >= 0 && i + 1 < eintraege.size() ? eintraege[i + 1] : nullptr, item);
    const auto folgen = [item, drucken] {
        item->setVisible(drucken->isVisible());
        item->setEnabled(drucken->isEnabled());
    };
    folgen();
    connect(drucken, &QAction::changed, item, folgen);
    connect(item, &QAction::triggered, this, [this] { emit vorschau(DruckAuswahl::Auftragsdaten); });
}

} // namespace qv
