#include "order/MailUebergabe.h"

#include "base/Desktop.h"
#include "base/Messages.h"
#include "order/AuftragsMail.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>

namespace qv {

MailUebergabe::MailUebergabe(Desktop &desktop, Messages &meldungen, QString adresse, std::function<QString()> datei,
                             QWidget *parent)
    : QWidget(parent)
    , m_desktop(desktop)
    , m_meldungen(meldungen)
    , m_adresse(std::move(adresse))
    , m_datei(std::move(datei))
{
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    m_eMail = new QPushButton(QStringLiteral("E-Mail vorbereiten"), this);
    m_eMail->setObjectName(QStringLiteral("btn_EMail"));
    m_eMail->setAutoDefault(false);
    m_ordner = new QPushButton(QStringLiteral("Ordner öffnen"), this);
    m_ordner->setObjectName(QStringLiteral("btn_Ordner"));
    m_ordner->setAutoDefault(false);
    zeile->addWidget(m_eMail);
    zeile->addWidget(m_ordner);
    zeile->addStretch(1);
    connect(m_eMail, &QPushButton::clicked, this, &MailUebergabe::EMailVorbereiten);
    connect(m_ordner, &QPushButton::clicked, this, &MailUebergabe::OrdnerOeffnen);
}

bool MailUebergabe::ordnerZeigen(const QString &datei)
{
    return m_desktop.urlOeffnen(QUrl::fromLocalFile(QFileInfo(datei).absolutePath()));
}

void MailUebergabe::EMailVorbereiten()
{
    const QString datei = m_datei();
    const ProgrammLauf lauf = AuftragsMailVorbereiten(m_desktop, m_adresse, datei);
    if (lauf.ok)
        return;
    const QString ordner = QDir::toNativeSeparators(QFileInfo(datei).absolutePath());
    m_meldungen.warning(QStringLiteral("Das E-Mail-Programm konnte nicht geöffnet werden:\n%1\n\n"
                                       "Bitte hängen Sie die Datei %2 aus dem Ordner %3 selbst an eine Mail an %4. "
                                       "Der Ordner wird jetzt angezeigt.")
                            .arg(lauf.grund, QFileInfo(datei).fileName(), ordner, m_adresse));
    ordnerZeigen(datei);
}

void MailUebergabe::OrdnerOeffnen()
{
    const QString datei = m_datei();
    if (!ordnerZeigen(datei))
        m_meldungen.warning(QStringLiteral("Der Ordner %1 konnte nicht geöffnet werden.")
                                .arg(QDir::toNativeSeparators(QFileInfo(datei).absolutePath())));
}

} // namespace qv
