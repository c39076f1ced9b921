#include "order/TAuftragabgeschlossenForm.h"

#include "order/AuftragsAblage.h"
#include "order/MailUebergabe.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {

TAuftragabgeschlossenForm::TAuftragabgeschlossenForm(IniFile &einstellungen, const QString &emailAdresse,
                                                     QWidget *parent)
    : AssistentenRahmen(QStringLiteral("Auftrag abgeschlossen"), QStringLiteral("Wie geht es nun weiter?"), parent)
    , m_einstellungen(einstellungen)
    , m_adresse(emailAdresse)
{
    setObjectName(QStringLiteral("AuftragabgeschlossenForm"));
    setWindowTitle(QStringLiteral("Auftrag abgeschlossen"));

    auto *zeile1 = new QHBoxLayout;
    zeile1->setSpacing(0);
    zeile1->addWidget(new QLabel(QStringLiteral("Schicken Sie die Datei "), this));
    m_dateiName = new QLabel(this);
    m_dateiName->setObjectName(QStringLiteral("lbl_FileName"));
    m_dateiName->setAutoFillBackground(true);
    QPalette pal = m_dateiName->palette();
    pal.setColor(QPalette::Window, kopfFarbe());
    pal.setColor(QPalette::WindowText, Qt::white);
    m_dateiName->setPalette(pal);
    QFont fett = m_dateiName->font();
    fett.setBold(true);
    m_dateiName->setFont(fett);
    zeile1->addWidget(m_dateiName);
    zeile1->addStretch(1);
    inhalt()->addLayout(zeile1);
    inhalt()->addWidget(new QLabel(QStringLiteral("per Mail an ") + emailAdresse + u'.', this));
    inhalt()->addSpacing(8);
    inhalt()->addWidget(new QLabel(QStringLiteral("Wenn diese Mail uns bis 13 Uhr erreicht, erhalten Sie den Auftrag"), this));
    m_lieferzeit = new QLabel(this);
    m_lieferzeit->setObjectName(QStringLiteral("lbl_Lieferzeit"));
    m_lieferzeit->setFont(fett);
    inhalt()->addWidget(m_lieferzeit);
    inhalt()->addSpacing(16);

    const auto radio = [this](const char *name, const QString &text) {
        auto *r = new QRadioButton(text, this);
        r->setObjectName(QString::fromLatin1(name));
        inhalt()->addWidget(r);
        return r;
    };
    m_beenden = radio("rb_Beenden", QStringLiteral("Quellvantar beenden"));
    m_neu = radio("rb_Neu", QStringLiteral("einen neuen Auftrag erstellen"));
    m_zurueck = radio("rb_zurueck", QStringLiteral("zurück zu Quellvantar"));
    m_zurueck->setChecked(true);
    inhalt()->addStretch(1);
}

void TAuftragabgeschlossenForm::DateiSetzen(const QString &pfad)
{
    m_pfad = pfad;
}

void TAuftragabgeschlossenForm::LieferzeitSetzen(const QString &transport)
{
    m_lieferzeit->setText(transport + u'.');
}

void TAuftragabgeschlossenForm::UebergabeAnbieten(Desktop &desktop, Messages &meldungen)
{
    // Below the address the mail goes to.
    auto *uebergabe = new MailUebergabe(desktop, meldungen, m_adresse, [this] { return m_pfad; }, this);
    inhalt()->insertWidget(inhalt()->indexOf(m_lieferzeit) - 2, uebergabe);
}

QRadioButton *TAuftragabgeschlossenForm::knopf(Wahl wahl) const
{
    switch (wahl) {
    case Beenden: return m_beenden;
    case Neu: return m_neu;
    case Zurueck: break;
    }
    return m_zurueck;
}

TAuftragabgeschlossenForm::Wahl TAuftragabgeschlossenForm::gewaehlt() const
{
    if (m_beenden->isChecked())
        return Beenden;
    if (m_neu->isChecked())
        return Neu;
    return Zurueck;
}

void TAuftragabgeschlossenForm::waehlen(Wahl wahl)
{
    knopf(wahl)->setChecked(true);
}

QString TAuftragabgeschlossenForm::dateiText() const
{
    return m_dateiName->text();
}

QString TAuftragabgeschlossenForm::lieferzeitText() const
{
    return m_lieferzeit->text();
}

void TAuftragabgeschlossenForm::showEvent(QShowEvent *event)
{
    AssistentenRahmen::showEvent(event);
    const QString nativ = QDir::toNativeSeparators(m_pfad);
    setWindowTitle(nativ);
    setToolTip(nativ);
    m_dateiName->setText(u' ' + QFileInfo(m_pfad).fileName() + u' ');
    knopf(gewaehlt())->setFocus();
}

int TAuftragabgeschlossenForm::Ausfuehren()
{
    // Other stored values keep the form's own preselection.
    const int gespeichert = AuftragEnde(m_einstellungen);
    if (gespeichert >= Beenden && gespeichert <= Zurueck)
        waehlen(Wahl(gespeichert));
    const bool weiter = exec() == QDialog::Accepted;
    const Wahl wahl = gewaehlt();
    AuftragEndeSetzen(m_einstellungen, wahl);
    return weiter ? wahl : Zurueck;
}

} // namespace qv
