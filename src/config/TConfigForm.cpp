#include "config/TConfigForm.h"

#include "base/IniFile.h"
#include "base/Messages.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

namespace {

QListWidget *neueListe(const char *name, QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QPlainTextEdit *neuerText(const char *name, QWidget *parent)
{
    auto *t = new QPlainTextEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setReadOnly(true);
    return t;
}

QGroupBox *gruppe(const QString &titel, std::initializer_list<QWidget *> inhalt, QWidget *parent)
{
    auto *g = new QGroupBox(titel, parent);
    auto *l = new QHBoxLayout(g);
    for (QWidget *w : inhalt)
        l->addWidget(w);
    return g;
}

} // namespace

TConfigForm::TConfigForm(qv::IniFile &configIni, qv::Messages &meldungen, bool startAbbruch, QWidget *parent)
    : QDialog(parent), m_configIni(configIni), m_meldungen(meldungen), m_daten(TKonfiguration::Beispiel()),
      LB_Beschleuniger(neueListe("LB_Beschleuniger", this)), LB_Tragplatten(neueListe("LB_Tragplatten", this)),
      LB_Elektronenblenden(neueListe("LB_Elektronenblenden", this)),
      LB_Elektronenblenden_Groesse(neueListe("LB_Elektronenblenden_Groesse", this)), LB_Transport(neueListe("LB_Transport", this)),
      LB_Transport_Kosten(neueListe("LB_Transport_Kosten", this)), LB_Leistung(neueListe("LB_Leistung", this)),
      LB_Leistung_Kosten(neueListe("LB_Leistung_Kosten", this)), Memo_AGB(neuerText("Memo_AGB", this)),
      Memo_Regularien(neuerText("Memo_Regularien", this)), E_EMail(new QLineEdit(this)), E_Website(new QLineEdit(this)),
      BTN_Save(new QPushButton(QStringLiteral("QuellvantarConfig.cfg speichern"), this)),
      BTN_Open(new QPushButton(QStringLiteral("Abbrechen"), this))
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("Quellvantar Config (nur Intern)"));
    E_EMail->setObjectName(QStringLiteral("E_EMail"));
    E_Website->setObjectName(QStringLiteral("E_Website"));
    BTN_Save->setObjectName(QStringLiteral("BTN_Save"));
    BTN_Open->setObjectName(QStringLiteral("BTN_Open"));
    BTN_Save->setDefault(true);

    m_tragplatten = {LB_Tragplatten, nullptr, &m_daten.Tragplatten, nullptr, true};
    m_blenden = {LB_Elektronenblenden, LB_Elektronenblenden_Groesse, &m_daten.ElektronenBlenden, &m_daten.ElektronenBlendenGroesse, true};
    m_transport = {LB_Transport, LB_Transport_Kosten, &m_daten.Transport, &m_daten.TransportKosten, false};
    m_leistung = {LB_Leistung, LB_Leistung_Kosten, &m_daten.Leistung, &m_daten.LeistungKosten, false};

    kontextMenue(
        QStringLiteral("PMenue_Tragplatten"), LB_Tragplatten,
        [this] {
            hinzufuegen(m_tragplatten, {QStringLiteral("Neue Tragplatte"), QStringLiteral("Tragplatte"),
                                        QStringLiteral("Beschleuniger_Typ"), {}, {}, {}});
        },
        [this] { entfernen(m_tragplatten, QStringLiteral("Wollen Sie die Tragplatte ")); },
        [this] { bearbeiten(m_tragplatten, {QStringLiteral("Tragplatte bearbeiten"), QStringLiteral("Tragplatte"), {}, {}, {}, {}}); });
    kontextMenue(
        QStringLiteral("PMenue_Rahmen"), LB_Elektronenblenden,
        [this] {
            hinzufuegen(m_blenden, {QStringLiteral("Neue Elektronenblende"), QStringLiteral("E-Blende"), QStringLiteral("Beschleuniger_Typ"),
                                    QStringLiteral("Max Ausdehnung (x,y) in 1/10 mm"), QStringLiteral("926,926"), {}});
        },
        [this] { entfernen(m_blenden, QStringLiteral("Wollen Sie die Elektonenblende ")); },
        [this] {
            bearbeiten(m_blenden, {QStringLiteral("Elektronenblende bearbeiten"), QStringLiteral("E-Blende"), {}, QStringLiteral("Groesse"), {}, {}},
                       QStringLiteral(" "));
        });
    kontextMenue(
        QStringLiteral("PMenue_Lieferung"), LB_Transport,
        [this] {
            hinzufuegen(m_transport, {QStringLiteral("Neue Lieferart"), QStringLiteral("Lieferung"), QStringLiteral("vor xx Uhr"),
                                      QStringLiteral("Kosten"), QStringLiteral("xx Euro"), {}});
        },
        [this] { entfernen(m_transport, QStringLiteral("Wollen Sie die Lieferung ")); },
        [this] { bearbeiten(m_transport, {QStringLiteral("Lieferung bearbeiten"), QStringLiteral("Lieferung"), {}, QStringLiteral("Kosten"), {}, {}}); });
    kontextMenue(
        QStringLiteral("PMenue_Leistung"), LB_Leistung,
        [this] {
            hinzufuegen(m_leistung, {QStringLiteral("Neue Leistung"), QStringLiteral("Leistung"), QStringLiteral("xxx"), QStringLiteral("Kosten"),
                                     QStringLiteral("xx Euro"), {}});
        },
        [this] { entfernen(m_leistung, QStringLiteral("Wollen Sie die Leistung ")); },
        [this] { bearbeiten(m_leistung, {QStringLiteral("Leistung bearbeiten"), QStringLiteral("Leistung"), {}, QStringLiteral("Kosten"), {}, {}}); });

    auto *Button1 = new QPushButton(QStringLiteral("ändern"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this,
            [this] { textBearbeiten(m_daten.Regularien, QStringLiteral("Regularien bearbeiten")); });
    auto *Button2 = new QPushButton(QStringLiteral("ändern"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, [this] { textBearbeiten(m_daten.AGBs, QStringLiteral("AGB bearbeiten")); });
    connect(BTN_Save, &QPushButton::clicked, this, &TConfigForm::BTN_SaveClick);
    connect(BTN_Open, &QPushButton::clicked, this, &TConfigForm::reject);

    auto *hinweis = new QLabel(QStringLiteral("Bearbeitung durch Markieren ... rechte Maustaste"), this);
    hinweis->setStyleSheet(QStringLiteral("color: red;"));

    auto *adressen = new QFormLayout;
    adressen->addRow(QStringLiteral("E-Mail für Aufträge"), E_EMail);
    adressen->addRow(QStringLiteral("Website"), E_Website);

    auto *raster = new QGridLayout;
    raster->addWidget(gruppe(QStringLiteral("Beschleuniger"), {LB_Beschleuniger}, this), 0, 0);
    raster->addWidget(gruppe(QStringLiteral("Tragplatten"), {LB_Tragplatten}, this), 0, 1);
    raster->addWidget(gruppe(QStringLiteral("Elektronenblenden"), {LB_Elektronenblenden, LB_Elektronenblenden_Groesse}, this), 0, 2);
    raster->addWidget(gruppe(QStringLiteral("Lieferung"), {LB_Transport, LB_Transport_Kosten}, this), 1, 0);
    raster->addWidget(gruppe(QStringLiteral("Leistungen"), {LB_Leistung, LB_Leistung_Kosten}, this), 1, 1);
    auto *texte = new QVBoxLayout;
    texte->addWidget(gruppe(QStringLiteral("Regularien"), {Memo_Regularien, Button1}, this));
    texte->addWidget(gruppe(QStringLiteral("AGB"), {Memo_AGB, Button2}, this));
    raster->addLayout(texte, 1, 2);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(hinweis);
    knoepfe->addStretch();
    knoepfe->addWidget(BTN_Save);
    knoepfe->addWidget(BTN_Open);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(adressen);
    layout->addLayout(raster);
    layout->addLayout(knoepfe);

    if (!startAbbruch)
        KonfigLaden(m_configIni);
    else
        anzeigen();
    m_beimOeffnen = Daten();
}

QMenu *TConfigForm::kontextMenue(const QString &name, QListWidget *liste, const std::function<void()> &hinzufuegen,
                                 const std::function<void()> &entfernen, const std::function<void()> &bearbeiten)
{
    auto *menue = new QMenu(this);
    menue->setObjectName(name);
    const std::pair<const char *, const std::function<void()> *> eintraege[] = {
        {"hinzufügen", &hinzufuegen}, {"entfernen", &entfernen}, {"bearbeiten", &bearbeiten}};
    for (const auto &[text, aktion] : eintraege) {
        QAction *a = menue->addAction(QString::fromUtf8(text));
        a->setObjectName(name + u'_' + QString::fromUtf8(text));
        connect(a, &QAction::triggered, this, *aktion);
    }
    liste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(liste, &QWidget::customContextMenuRequested, menue,
            [menue, liste](const QPoint &pos) { menue->exec(liste->viewport()->mapToGlobal(pos)); });
    return menue;
}

void TConfigForm::KonfigLaden(const qv::IniFile &ini)
{
    m_daten.EMailAdresse = E_EMail->text().isEmpty() ? m_daten.EMailAdresse : E_EMail->text();
    m_daten.Website = E_Website->text().isEmpty() ? m_daten.Website : E_Website->text();
    m_daten.Laden(ini);
    anzeigen();
}

void TConfigForm::fuelle(const Liste &l)
{
    const int zeile = l.anzeige->currentRow();
    l.anzeige->clear();
    if (l.parallelAnzeige)
        l.parallelAnzeige->clear();
    for (qsizetype i = 0; i < l.werte->size(); ++i) {
        const QString prefix = l.nummeriert ? TKonfiguration::AnzeigePrefix(i) : QString();
        l.anzeige->addItem(prefix + l.werte->at(i));
        if (l.parallelAnzeige)
            l.parallelAnzeige->addItem(prefix + l.parallelWerte->value(i));
    }
    if (zeile >= 0 && zeile < l.anzeige->count())
        l.anzeige->setCurrentRow(zeile);
}

void TConfigForm::anzeigen()
{
    E_EMail->setText(m_daten.EMailAdresse);
    E_Website->setText(m_daten.Website);
    LB_Beschleuniger->clear();
    LB_Beschleuniger->addItems(m_daten.Beschleuniger);
    for (const Liste *l : {&m_tragplatten, &m_blenden, &m_transport, &m_leistung})
        fuelle(*l);
    Memo_AGB->setPlainText(m_daten.AGBs.join(u'\n'));
    Memo_Regularien->setPlainText(m_daten.Regularien.join(u'\n'));
}

bool TConfigForm::eingabeDialog(TBerarbeitungsForm::Eingabe &e)
{
    if (m_eingabe)
        return m_eingabe(e);
    TBerarbeitungsForm dialog(e, this);
    connect(&dialog, &TBerarbeitungsForm::hilfeAngefordert, this, &TConfigForm::hilfeAngefordert);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    e = dialog.Ergebnis();
    return true;
}

void TConfigForm::hinzufuegen(const Liste &l, TBerarbeitungsForm::Eingabe e)
{
    if (!eingabeDialog(e))
        return;
    // The e-mail and web site fields may have been edited meanwhile.
    m_daten.EMailAdresse = E_EMail->text();
    m_daten.Website = E_Website->text();
    l.werte->append(e.Edit1);
    if (l.parallelWerte) {
        while (l.parallelWerte->size() < l.werte->size() - 1)
            l.parallelWerte->append(QString());
        l.parallelWerte->append(e.Edit2);
    }
    anzeigen();
    l.anzeige->setCurrentRow(l.anzeige->count() - 1);
}

void TConfigForm::bearbeiten(const Liste &l, TBerarbeitungsForm::Eingabe e, const QString &anhangParallel)
{
    const int i = l.anzeige->currentRow();
    if (i < 0 || i >= l.werte->size())
        return;
    e.Edit1 = l.werte->at(i);
    if (l.parallelWerte)
        e.Edit2 = l.parallelWerte->value(i) + anhangParallel;
    if (!eingabeDialog(e))
        return;
    m_daten.EMailAdresse = E_EMail->text();
    m_daten.Website = E_Website->text();
    (*l.werte)[i] = e.Edit1;
    if (l.parallelWerte) {
        while (l.parallelWerte->size() <= i)
            l.parallelWerte->append(QString());
        (*l.parallelWerte)[i] = e.Edit2;
    }
    anzeigen();
}

void TConfigForm::entfernen(const Liste &l, const QString &einleitung)
{
    const int i = l.anzeige->currentRow();
    if (i < 0 || i >= l.werte->size())
        return;
    const QString frage = einleitung + u'\r' + l.anzeige->item(i)->text() + u'\r' + QStringLiteral("wirklich löschen?");
    if (m_meldungen.question(frage) != qv::Messages::Answer::Yes)
        return;
    m_daten.EMailAdresse = E_EMail->text();
    m_daten.Website = E_Website->text();
    (*l.werte)[i] = qv::kGeloescht;
    if (l.parallelWerte) {
        while (l.parallelWerte->size() <= i)
            l.parallelWerte->append(QString());
        (*l.parallelWerte)[i] = qv::kGeloescht;
    }
    anzeigen();
}

void TConfigForm::textBearbeiten(QStringList &zeilen, const QString &header)
{
    TBerarbeitungsForm::Eingabe e;
    e.Header = header;
    e.Memo = zeilen;
    if (!eingabeDialog(e))
        return;
    m_daten.EMailAdresse = E_EMail->text();
    m_daten.Website = E_Website->text();
    zeilen = e.Memo;
    anzeigen();
}

TKonfiguration TConfigForm::Daten() const
{
    TKonfiguration d = m_daten;
    d.EMailAdresse = E_EMail->text();
    d.Website = E_Website->text();
    return d;
}

QString TConfigForm::GetEMailAdresse() const
{
    return E_EMail->text();
}

QString TConfigForm::GetWebsite() const
{
    return E_Website->text();
}

void TConfigForm::BTN_SaveClick()
{
    m_daten = Daten();
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // Written to a temporary file and renamed: a failed write keeps the old file.
    auto ok = m_daten.Speichern(m_configIni.path());
    QApplication::restoreOverrideCursor();
    if (!ok) {
        m_meldungen.error(ok.error());
        return;
    }
    m_configIni.reload();
    m_beimOeffnen = m_daten;
    m_meldungen.information(QStringLiteral("Konfig-Datei erfolgreich gespeichert."));
    accept();
}

void TConfigForm::reject()
{
    if (m_meldungen.question(QStringLiteral("Wollen Sie eventuelle Änderungen wirklich verwerfen?")) != qv::Messages::Answer::Yes)
        return;
    m_daten = m_beimOeffnen;
    anzeigen();
    QDialog::reject();
}

void TConfigForm::showEvent(QShowEvent *event)
{
    m_beimOeffnen = Daten();
    QDialog::showEvent(event);
}

} // namespace qv
