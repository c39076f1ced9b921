#include "app/ZuletztMenue.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace qv {

ZuletztMenue::ZuletztMenue(QMenu &datei, IniFile &einstellungen, std::function<bool()> kundenModus)
    : QObject(&datei), m_liste(einstellungen), m_kundenModus(std::move(kundenModus))
{
    m_liste.Bereinigen([](const QString &pfad) { return QFileInfo(pfad).isFile(); });

    m_menue = new QMenu(QStringLiteral("Zuletzt geöffnet"), &datei);
    m_menue->setObjectName(QStringLiteral("ZuletztGeoeffnet1"));
    m_menue->menuAction()->setObjectName(QStringLiteral("ZuletztGeoeffnet"));
    // After "Öffnen...": before whatever follows it.
    const QList<QAction *> eintraege = datei.actions();
    QAction *vor = nullptr;
    for (qsizetype i = 0; i + 1 < eintraege.size(); ++i) {
        if (eintraege[i]->objectName() == u"oeffnen")
            vor = eintraege[i + 1];
    }
    datei.insertMenu(vor, m_menue);
    connect(m_menue, &QMenu::aboutToShow, this, &ZuletztMenue::Fuellen);
    Fuellen();
}

void ZuletztMenue::Benutzt(const QString &datei)
{
    m_liste.Hinzufuegen(m_kundenModus(), datei);
}

void ZuletztMenue::Fuellen()
{
    m_menue->clear();
    const QStringList liste = m_liste.Liste(m_kundenModus());
    if (liste.isEmpty()) {
        m_menue->addAction(QStringLiteral("(keine)"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString &datei = liste[i];
        const QFileInfo info(datei);
        // "&" in a name is no shortcut mark.
        QString text = QStringLiteral("&%1 %2   %3")
                           .arg(i + 1)
                           .arg(info.fileName().replace(u'&', QStringLiteral("&&")),
                                QDir::toNativeSeparators(info.path()).replace(u'&', QStringLiteral("&&")));
        const bool da = info.isFile();
        if (!da)
            text += QStringLiteral("   (nicht mehr vorhanden)");
        QAction *a = m_menue->addAction(text);
        a->setData(datei);
        a->setEnabled(da);
        connect(a, &QAction::triggered, this, [this, datei] { emit oeffnen(datei); });
    }
}

} // namespace qv
