#include "app/TAblaufPanel.h"

#include "app/TGluehbirne.h"
#include "app/TKnopfPanel.h"
#include "app/TKonturListe.h"
#include "app/TLampe.h"
#include "order/EinschubPfeilBox.h"
#include "workspace/FFAAnzeige.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace qv {

namespace {

QLabel *text(const QString &t, QWidget *parent, bool fett = false)
{
    auto *l = new QLabel(t, parent);
    l->setAlignment(Qt::AlignCenter);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QWidget *behaelter(const QString &name, QWidget *parent, QVBoxLayout **layout)
{
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    *layout = new QVBoxLayout(w);
    (*layout)->setContentsMargins(0, 0, 0, 0);
    (*layout)->setSpacing(2);
    return w;
}

// The framed head of a page (scale or field size, and the FFA); its rows sit close together.
QFrame *kopfRahmen(QWidget *seite, QVBoxLayout **zeilen)
{
    auto *kopf = new QFrame(seite);
    kopf->setFrameShape(QFrame::StyledPanel);
    *zeilen = new QVBoxLayout(kopf);
    (*zeilen)->setSpacing(0);
    return kopf;
}

} // namespace

QFrame *TAblaufPanel::zeile(QWidget *parent, TLampe **lampe, TGluehbirne **birne, TKnopfPanel **knopf,
                            const QString &caption, const QString &knopfName, const QString &lampenName,
                            const QString &birnenName)
{
    auto *z = new QFrame(parent);
    auto *h = new QHBoxLayout(z);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(3);
    auto platzhalter = [z](int breite) {
        auto *w = new QWidget(z);
        w->setFixedSize(breite, 22);
        return w;
    };
    if (lampe) {
        *lampe = new TLampe(z);
        (*lampe)->setObjectName(lampenName);
        h->addWidget(*lampe);
    } else {
        h->addWidget(platzhalter(12));
    }
    if (birne) {
        *birne = new TGluehbirne(z);
        (*birne)->setObjectName(birnenName);
        (*birne)->hide();
        auto *platz = new QWidget(z);
        platz->setFixedSize(18, 22);
        auto *pl = new QHBoxLayout(platz);
        pl->setContentsMargins(0, 0, 0, 0);
        (*birne)->setParent(platz);
        pl->addWidget(*birne);
        h->addWidget(platz);
    } else {
        h->addWidget(platzhalter(18));
    }
    *knopf = new TKnopfPanel(caption, z);
    (*knopf)->setObjectName(knopfName);
    h->addWidget(*knopf, 1);
    z->setFixedHeight(m_konturZeileHoehe);
    return z;
}

TAblaufPanel::Seite TAblaufPanel::seiteAnlegen(const QString &name, const QString &titel)
{
    // a page scrolls rather than squeezing its rows when the unfolded lists need more room
    Seite s;
    auto *rollen = new QScrollArea(this);
    rollen->setObjectName(name);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s.seite = new QWidget(rollen);
    s.seite->setObjectName(name + QStringLiteral("_Inhalt"));
    rollen->setWidget(s.seite);
    s.rollen = rollen;
    s.spalte = new QVBoxLayout(s.seite);
    s.spalte->setContentsMargins(4, 4, 4, 4);
    s.spalte->setSpacing(3);
    addTab(rollen, titel);
    return s;
}

void TAblaufPanel::seiteAbschliessen(Seite &s, int modus, const QString &sharedName, const QString &untenName)
{
    s.spalte->addWidget(behaelter(sharedName, s.seite, &s.shared));
    s.spalte->addStretch(1);
    s.spalte->addWidget(behaelter(untenName, s.seite, &s.unten));
    m_seiten[modus] = s;
}

TAblaufPanel::TAblaufPanel(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PCModus"));
    setMinimumWidth(250);
    tabBar()->setExpanding(false);
    // all four mode tabs stay readable side by side; the pane grows to fit them
    setUsesScrollButtons(false);

    TLampe *P_Auftragsart = nullptr, *P_Bild = nullptr, *P_Isozentrum = nullptr, *P_Scaled = nullptr,
           *P_Kontur = nullptr, *P_Feld = nullptr, *P_Einschubrichtung = nullptr, *P_Auftragsdaten = nullptr,
           *P_BPRImport = nullptr, *P_DICOM = nullptr;
    TGluehbirne *Image_Bild = nullptr, *Image_Iso = nullptr, *Image_Scale = nullptr, *Image_Konturen = nullptr,
                *Image_Feld = nullptr;
    TKnopfPanel *P_AusftragsArtBtn = nullptr, *P_BildBtn = nullptr, *P_BildDrehenBtn = nullptr,
                *P_IsozentrumBtn = nullptr, *P_ScaleBtn = nullptr, *P_KonturBtn = nullptr,
                *P_KonturBtn_ohneVorlage = nullptr, *P_BPRImportBtn = nullptr, *P_DICOMBtn = nullptr,
                *P_FeldBtn = nullptr, *P_EinschubrichtungBtn = nullptr, *P_AuiftragsdatenBtn = nullptr,
                *P_SaveBtn = nullptr, *P_VerschiebenBtn = nullptr, *P_DrehenBtn = nullptr;

    // shared group: header "Ablauf" and the order type row
    P_AuftragsartBack = new QFrame(this);
    P_AuftragsartBack->setObjectName(QStringLiteral("P_AuftragsartBack"));
    {
        auto *v = new QVBoxLayout(P_AuftragsartBack);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(2);
        v->addWidget(text(QStringLiteral("Ablauf"), P_AuftragsartBack, true));
        v->addWidget(zeile(P_AuftragsartBack, &P_Auftragsart, nullptr, &P_AusftragsArtBtn, QStringLiteral("Auftragsart"),
                           QStringLiteral("P_AusftragsArtBtn"), QStringLiteral("P_Auftragsart")));
    }

    // shared rows
    P_SharedControls = new QFrame(this);
    P_SharedControls->setObjectName(QStringLiteral("P_SharedControls"));
    {
        auto *v = new QVBoxLayout(P_SharedControls);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(2);
        P_FeldBack = zeile(P_SharedControls, &P_Feld, &Image_Feld, &P_FeldBtn, QStringLiteral("Feld"),
                           QStringLiteral("P_FeldBtn"), QStringLiteral("P_Feld"), QStringLiteral("Image_Feld"));
        P_FeldBack->setObjectName(QStringLiteral("P_FeldBack"));
        v->addWidget(P_FeldBack);
        v->addWidget(zeile(P_SharedControls, &P_Einschubrichtung, nullptr, &P_EinschubrichtungBtn,
                           QStringLiteral("Einschubrichtung"), QStringLiteral("P_EinschubrichtungBtn"),
                           QStringLiteral("P_Einschubrichtung")));
        v->addWidget(zeile(P_SharedControls, &P_Auftragsdaten, nullptr, &P_AuiftragsdatenBtn,
                           QStringLiteral("Aufragsdaten"), QStringLiteral("P_AuiftragsdatenBtn"),
                           QStringLiteral("P_Auftragsdaten")));
        v->addWidget(zeile(P_SharedControls, nullptr, nullptr, &P_SaveBtn, QStringLiteral("Datei speichern"),
                           QStringLiteral("P_SaveBtn")));
    }
    P_Feld->setFarbe(LampenFarbe::Gelb);

    // shared bottom group: move/rotate and the insertion-direction preview
    P_Bearbeiten_Einschub = new QFrame(this);
    P_Bearbeiten_Einschub->setObjectName(QStringLiteral("P_Bearbeiten_Einschub"));
    {
        auto *v = new QVBoxLayout(P_Bearbeiten_Einschub);
        v->setContentsMargins(0, 0, 0, 0);
        P_Bearbeiten = new QFrame(P_Bearbeiten_Einschub);
        P_Bearbeiten->setObjectName(QStringLiteral("P_Bearbeiten"));
        P_Bearbeiten->setFrameShape(QFrame::StyledPanel);
        auto *bv = new QVBoxLayout(P_Bearbeiten);
        bv->setContentsMargins(4, 2, 4, 4);
        bv->addWidget(text(QStringLiteral("Konturen/Aperturen"), P_Bearbeiten, true));
        auto *bh = new QHBoxLayout;
        P_VerschiebenBtn = new TKnopfPanel(QStringLiteral("verschieben"), P_Bearbeiten);
        P_VerschiebenBtn->setObjectName(QStringLiteral("P_VerschiebenBtn"));
        P_DrehenBtn = new TKnopfPanel(QStringLiteral("drehen"), P_Bearbeiten);
        P_DrehenBtn->setObjectName(QStringLiteral("P_DrehenBtn"));
        bh->addWidget(P_VerschiebenBtn);
        bh->addWidget(P_DrehenBtn);
        bv->addLayout(bh);
        P_Bearbeiten->hide();
        v->addWidget(P_Bearbeiten);
        v->addWidget(text(QStringLiteral("Einschubrichtung"), P_Bearbeiten_Einschub, true));
        v->addWidget(text(QStringLiteral("Tragplatten/Elektronen"), P_Bearbeiten_Einschub));
        P_EinschubDraw = new QFrame(P_Bearbeiten_Einschub);
        P_EinschubDraw->setObjectName(QStringLiteral("P_EinschubDraw"));
        P_EinschubDraw->setFrameShape(QFrame::StyledPanel);
        P_EinschubDraw->setFixedSize(150, 150);
        m_einschubPfeil = new EinschubPfeilBox(P_EinschubDraw);
        m_einschubPfeil->move(45, 45);
        P_EinschubDraw->hide();
        v->addWidget(P_EinschubDraw, 0, Qt::AlignHCenter);
    }

    P_FFA = new QLabel(QStringLiteral("100"), this);
    P_FFA->setObjectName(QStringLiteral("P_FFA"));
    P_FFA->setAlignment(Qt::AlignCenter);
    P_FFA->setAutoFillBackground(true);
    P_FFA->setMinimumWidth(60);

    // mode 0: image template
    {
        Seite s = seiteAnlegen(QStringLiteral("TSBildModus"), QStringLiteral("Bild-Vorlage"));
        m_bildSeite = s.rollen;
        m_bildSeite->viewport()->installEventFilter(this);
        QVBoxLayout *v = s.spalte;
        QVBoxLayout *sv = nullptr;
        P_Scale = kopfRahmen(s.seite, &sv);
        P_Scale->setObjectName(QStringLiteral("P_Scale"));
        sv->addWidget(text(QStringLiteral("Maßstab"), P_Scale, true));
        sv->addWidget(text(QStringLiteral("Abstand zwischen"), P_Scale));
        L_Scale = text(QStringLiteral("xx cm"), P_Scale, true);
        L_Scale->setObjectName(QStringLiteral("L_Scale"));
        sv->addWidget(L_Scale);
        sv->addWidget(text(QStringLiteral("ihren gewählten Punkten"), P_Scale));
        auto *ffa = new QHBoxLayout;
        ffa->addWidget(text(QStringLiteral("Ebene (FFA)"), P_Scale));
        ffa->addWidget(behaelter(QStringLiteral("P_FFA_BildVorlage"), P_Scale, &s.ffa));
        sv->addLayout(ffa);
        v->addWidget(P_Scale);
        v->addWidget(behaelter(QStringLiteral("P_BildVorlage4Auftragsart"), s.seite, &s.auftragsart));
        v->addWidget(zeile(s.seite, &P_Bild, &Image_Bild, &P_BildBtn, QStringLiteral("Bild einlesen"),
                           QStringLiteral("P_BildBtn"), QStringLiteral("P_Bild"), QStringLiteral("Image_Bild")));
        v->addWidget(zeile(s.seite, nullptr, nullptr, &P_BildDrehenBtn, QStringLiteral("Bild drehen"),
                           QStringLiteral("P_BildDrehenBtn")));
        v->addWidget(zeile(s.seite, &P_Isozentrum, &Image_Iso, &P_IsozentrumBtn, QStringLiteral("Isozentrum"),
                           QStringLiteral("P_IsozentrumBtn"), QStringLiteral("P_Isozentrum"),
                           QStringLiteral("Image_Iso")));
        v->addWidget(zeile(s.seite, &P_Scaled, &Image_Scale, &P_ScaleBtn, QStringLiteral("Maßstab"),
                           QStringLiteral("P_ScaleBtn"), QStringLiteral("P_Scaled"), QStringLiteral("Image_Scale")));
        P_Konturen = new QFrame(s.seite);
        P_Konturen->setObjectName(QStringLiteral("P_Konturen"));
        auto *kv = new QVBoxLayout(P_Konturen);
        kv->setContentsMargins(0, 0, 0, 0);
        kv->setSpacing(2);
        kv->addWidget(zeile(P_Konturen, &P_Kontur, &Image_Konturen, &P_KonturBtn, QStringLiteral("Konturen"),
                            QStringLiteral("P_KonturBtn"), QStringLiteral("P_Kontur"),
                            QStringLiteral("Image_Konturen")));
        KonturListe = new TKonturListe(true, P_Konturen);
        KonturListe->setObjectName(QStringLiteral("GB_Kontureingabe"));
        kv->addWidget(KonturListe);
        v->addWidget(P_Konturen);
        seiteAbschliessen(s, 0, QStringLiteral("P_BildVorlage4Shared"), QStringLiteral("P_BildVorlage4Bearbeiten"));
    }

    // mode 1: without template
    {
        Seite s = seiteAnlegen(QStringLiteral("TSZeichenModus"), QStringLiteral("ohne Vorlage"));
        QVBoxLayout *v = s.spalte;
        QVBoxLayout *kv = nullptr;
        auto *kopf = kopfRahmen(s.seite, &kv);
        kv->addWidget(text(QStringLiteral("Feldgröße"), kopf, true));
        kv->addWidget(text(QStringLiteral("(darstellung im FFA)"), kopf));
        kv->addWidget(text(QStringLiteral("40x40 cm"), kopf, true));
        auto *ffa = new QHBoxLayout;
        ffa->addWidget(text(QStringLiteral("Ebene (FFA)"), kopf));
        ffa->addWidget(behaelter(QStringLiteral("P_FFA_ohneVorlage"), kopf, &s.ffa));
        kv->addLayout(ffa);
        v->addWidget(kopf);
        v->addWidget(behaelter(QStringLiteral("P_ohneVorlage4Auftragsart"), s.seite, &s.auftragsart));
        P_Geos = new QFrame(s.seite);
        P_Geos->setObjectName(QStringLiteral("P_Geos"));
        auto *gv = new QVBoxLayout(P_Geos);
        gv->setContentsMargins(0, 0, 0, 0);
        gv->addWidget(zeile(P_Geos, nullptr, nullptr, &P_KonturBtn_ohneVorlage, QStringLiteral("Konturen"),
                            QStringLiteral("P_KonturBtn_ohneVorlage")));
        P_Formen = new QWidget(P_Geos);
        P_Formen->setObjectName(QStringLiteral("P_Formen"));
        P_Formen->hide();
        gv->addWidget(P_Formen);
        v->addWidget(P_Geos);
        KonturListe_ohneVorlage = new TKonturListe(false, s.seite);
        KonturListe_ohneVorlage->hide();
        v->addWidget(KonturListe_ohneVorlage);
        seiteAbschliessen(s, 1, QStringLiteral("P_ohneVorlage4Shared"), QStringLiteral("P_ohneVorlage4Bearbeiten"));
    }

    // modes 2 and 3: imports
    auto importSeite = [this](int modus, const QString &name, const QString &titel, TLampe **lampe,
                              TKnopfPanel **knopf, const QString &caption, const QString &knopfName,
                              const QString &lampenName, const QString &auftragsartName, const QString &sharedName) {
        Seite s = seiteAnlegen(name, titel);
        QVBoxLayout *v = s.spalte;
        QVBoxLayout *kv = nullptr;
        auto *kopf = kopfRahmen(s.seite, &kv);
        kv->addWidget(text(QStringLiteral("Feldgröße"), kopf, true));
        kv->addWidget(text(QStringLiteral("40x40 cm"), kopf, true));
        kv->addWidget(text(QStringLiteral("(X/Y symetrisch)"), kopf));
        kv->addWidget(text(QStringLiteral("im Isozentrum (100 cm)"), kopf));
        v->addWidget(kopf);
        v->addWidget(behaelter(auftragsartName, s.seite, &s.auftragsart));
        v->addWidget(zeile(s.seite, lampe, nullptr, knopf, caption, knopfName, lampenName));
        seiteAbschliessen(s, modus, sharedName, name + QStringLiteral("4Bearbeiten"));
    };
    importSeite(2, QStringLiteral("TSBPRModus"), QStringLiteral("BPR-Modus"), &P_BPRImport,
                             &P_BPRImportBtn, QStringLiteral("BPR einlesen"), QStringLiteral("P_BPRImportBtn"),
                             QStringLiteral("P_BPRImport"), QStringLiteral("P_BPRFormat4Auftragsart"),
                             QStringLiteral("P_BPRFormat4Shared"));
    importSeite(3, QStringLiteral("TSDicomModus"), QStringLiteral("DICOM-Modus"), &P_DICOM,
                               &P_DICOMBtn, QStringLiteral("DICOM einlesen"), QStringLiteral("P_DICOMBtn"),
                               QStringLiteral("P_DICOM"), QStringLiteral("P_DICOMImport4Auftragsart"),
                               QStringLiteral("P_DICOMImport4Shared"));

    // mode 4: tab hidden and disabled
    auto *TSKompensator = new QWidget(this);
    TSKompensator->setObjectName(QStringLiteral("TSKompensator"));
    const int k = addTab(TSKompensator, QStringLiteral("S-IMRT Modus"));
    setTabVisible(k, false);
    setTabEnabled(k, false);

    m_knoepfe = {
        {Befehl::Auftragsart, P_AusftragsArtBtn},
        {Befehl::BildEinlesen, P_BildBtn},
        {Befehl::BildDrehen, P_BildDrehenBtn},
        {Befehl::IsozentrumEingeben, P_IsozentrumBtn},
        {Befehl::MassstabEingeben, P_ScaleBtn},
        {Befehl::KonturEingabe, P_KonturBtn},
        {Befehl::KonturEingabeOhneVorlage, P_KonturBtn_ohneVorlage},
        {Befehl::BPRImport, P_BPRImportBtn},
        {Befehl::DicomImport, P_DICOMBtn},
        {Befehl::FeldEingabe, P_FeldBtn},
        {Befehl::Einschubrichtung, P_EinschubrichtungBtn},
        {Befehl::Auftragsdaten, P_AuiftragsdatenBtn},
        {Befehl::Speichern, P_SaveBtn},
        {Befehl::Verschieben, P_VerschiebenBtn},
        {Befehl::Drehen, P_DrehenBtn},
    };
    m_lampen = {
        {Lampe::Auftragsart, P_Auftragsart},
        {Lampe::Bild, P_Bild},
        {Lampe::Isozentrum, P_Isozentrum},
        {Lampe::Massstab, P_Scaled},
        {Lampe::Kontur, P_Kontur},
        {Lampe::Feld, P_Feld},
        {Lampe::Einschubrichtung, P_Einschubrichtung},
        {Lampe::Auftragsdaten, P_Auftragsdaten},
        {Lampe::BPRImport, P_BPRImport},
        {Lampe::DicomImport, P_DICOM},
    };
    m_birnen = {
        {Ebene::Bild, Image_Bild},         {Ebene::Iso, Image_Iso}, {Ebene::Scale, Image_Scale},
        {Ebene::Konturen, Image_Konturen}, {Ebene::Feld, Image_Feld},
    };
    for (const auto &[b, k] : m_knoepfe) {
        const Befehl befehl = b;
        connect(k, &TKnopfPanel::clicked, this, [this, befehl] { emit this->befehl(befehl); });
    }
    for (const auto &[e, b] : m_birnen) {
        const Ebene ebene = e;
        connect(b, &TGluehbirne::umgeschaltet, this, [this, ebene](bool an) { emit birneUmgeschaltet(ebene, an); });
    }
    for (TKonturListe *liste : {KonturListe, KonturListe_ohneVorlage}) {
        connect(liste, &TKonturListe::auswaehlen, this, &TAblaufPanel::konturAuswaehlen);
        connect(liste, &TKonturListe::loeschen, this, &TAblaufPanel::konturLoeschen);
        connect(liste, &TKonturListe::rueckgaengig, this, &TAblaufPanel::konturRueckgaengig);
        connect(liste, &TKonturListe::wiederherstellen, this, &TAblaufPanel::konturWiederherstellen);
    }
    connect(this, &QTabWidget::currentChanged, this, &TAblaufPanel::modusGewaehlt);

    konturListeAufklappen(false);
    gemeinsameGruppenVerschieben(ModusBildVorlage);
}

void TAblaufPanel::seiteZeigen(int modus)
{
    const QSignalBlocker still(this);
    setCurrentIndex(modus);
}

void TAblaufPanel::seitenwahlSperren(bool gesperrt)
{
    tabBar()->setEnabled(!gesperrt);
}

void TAblaufPanel::gemeinsameGruppenVerschieben(int modus)
{
    if (modus < ModusBildVorlage || modus > ModusDICOM)
        return;
    const Seite &s = m_seiten[modus];
    s.auftragsart->addWidget(P_AuftragsartBack);
    s.shared->addWidget(P_SharedControls);
    s.unten->addWidget(P_Bearbeiten_Einschub);
    if (s.ffa)
        s.ffa->addWidget(P_FFA);
    P_AuftragsartBack->show();
    P_SharedControls->show();
    P_Bearbeiten_Einschub->show();
    P_FFA->show();
}

bool TAblaufPanel::gemeinsameGruppenAuf(int modus) const
{
    const QWidget *s = widget(modus);
    return s && s->isAncestorOf(P_AuftragsartBack) && s->isAncestorOf(P_SharedControls)
        && s->isAncestorOf(P_Bearbeiten_Einschub);
}

bool TAblaufPanel::ffaAuf(int modus) const
{
    const QWidget *s = widget(modus);
    return s && s->isAncestorOf(P_FFA);
}

void TAblaufPanel::importSeitenZeigen(bool sichtbar)
{
    // hiding the current page must not count as the person choosing another mode
    const QSignalBlocker still(this);
    for (int modus = ModusOhneVorlage; modus <= ModusDICOM; ++modus)
        setTabVisible(modus, sichtbar);
}

TKnopfPanel *TAblaufPanel::knopf(Befehl b) const
{
    const auto it = m_knoepfe.find(b);
    return it == m_knoepfe.end() ? nullptr : it->second;
}

TGluehbirne *TAblaufPanel::birne(Ebene e) const
{
    return m_birnen.at(e);
}

void TAblaufPanel::knopfGedrueckt(Befehl b, bool gedrueckt)
{
    if (TKnopfPanel *k = knopf(b))
        KnopfGedrueckt(k, gedrueckt);
}

void TAblaufPanel::knopfFreigeben(Befehl b, bool freigegeben)
{
    if (TKnopfPanel *k = knopf(b))
        KnopfFreigeben(k, freigegeben);
}

void TAblaufPanel::setKnopfText(Befehl b, const QString &text)
{
    if (TKnopfPanel *k = knopf(b))
        k->setCaption(text);
}

bool TAblaufPanel::istGedrueckt(Befehl b) const
{
    const TKnopfPanel *k = knopf(b);
    return k && k->gedrueckt();
}

bool TAblaufPanel::istFreigegeben(Befehl b) const
{
    const TKnopfPanel *k = knopf(b);
    return k && k->freigegeben();
}

QString TAblaufPanel::knopfText(Befehl b) const
{
    const TKnopfPanel *k = knopf(b);
    return k ? k->caption() : QString();
}

void TAblaufPanel::knopfKlicken(Befehl b)
{
    if (TKnopfPanel *k = knopf(b))
        k->klicken();
}

QList<Befehl> TAblaufPanel::knoepfe() const
{
    QList<Befehl> liste;
    for (const auto &[b, k] : m_knoepfe)
        liste.append(b);
    return liste;
}

void TAblaufPanel::setLampe(Lampe l, LampenFarbe farbe)
{
    m_lampen.at(l)->setFarbe(farbe);
}

LampenFarbe TAblaufPanel::lampe(Lampe l) const
{
    return m_lampen.at(l)->farbe();
}

void TAblaufPanel::birneZeigen(Ebene e, bool sichtbar)
{
    birne(e)->setVisible(sichtbar);
}

bool TAblaufPanel::birneSichtbar(Ebene e) const
{
    return birne(e)->isVisibleTo(this);
}

void TAblaufPanel::setBirneAn(Ebene e, bool an)
{
    birne(e)->setAn(an);
}

bool TAblaufPanel::birneAn(Ebene e) const
{
    return birne(e)->an();
}

void TAblaufPanel::birneKlicken(Ebene e)
{
    birne(e)->klicken();
}

void TAblaufPanel::feldZeigen(bool sichtbar)
{
    P_FeldBack->setVisible(sichtbar);
}

bool TAblaufPanel::feldSichtbar() const
{
    return !P_FeldBack->isHidden();
}

void TAblaufPanel::bearbeitenZeigen(bool sichtbar)
{
    P_Bearbeiten->setVisible(sichtbar);
}

bool TAblaufPanel::bearbeitenSichtbar() const
{
    return P_Bearbeiten->isVisibleTo(this);
}

void TAblaufPanel::bearbeitenFreigeben(bool freigegeben)
{
    P_Bearbeiten->setEnabled(freigegeben);
}

void TAblaufPanel::einschubPfeilSetzen(TEinschubrichtung richtung)
{
    m_einschubPfeil->RichtungSetzen(richtung);
}

TEinschubrichtung TAblaufPanel::einschubPfeil() const
{
    return m_einschubPfeil->richtung();
}

void TAblaufPanel::einschubVorschauZeigen(bool sichtbar)
{
    P_EinschubDraw->setVisible(sichtbar);
}

void TAblaufPanel::konturListeAufklappen(bool auf)
{
    m_konturListeAuf = auf;
    KonturListe->setVisible(auf);
    konturListeHoeheAnpassen();
}

void TAblaufPanel::konturListeHoeheAnpassen()
{
    if (!m_konturListeAuf) {
        P_Konturen->setFixedHeight(m_konturZeileHoehe);
        return;
    }
    // The list unfolds to 360 pixels where the page's view has room for them. On a lower
    // screen it takes only what is left, so "Feld" ... "Datei speichern" below it stay in view;
    // its rows then scroll inside it.
    constexpr int kVoll = 360;
    constexpr int kMindestens = 150;
    QWidget *inhalt = m_bildSeite->widget();
    int uebrig = kVoll;
    if (inhalt->layout() && m_bildSeite->viewport()->height() > 0) {
        inhalt->layout()->invalidate();
        const int ohneListe = inhalt->layout()->minimumSize().height() - P_Konturen->minimumHeight();
        uebrig = m_bildSeite->viewport()->height() - ohneListe;
    }
    P_Konturen->setFixedHeight(std::clamp(uebrig, kMindestens, kVoll));
}

bool TAblaufPanel::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_bildSeite->viewport() && ereignis->type() == QEvent::Resize && m_konturListeAuf)
        konturListeHoeheAnpassen();
    return QTabWidget::eventFilter(objekt, ereignis);
}

bool TAblaufPanel::konturListeOffen() const
{
    return KonturListe->isVisibleTo(P_Konturen);
}

int TAblaufPanel::konturZeilenHoehe() const
{
    return P_Konturen->height();
}

void TAblaufPanel::formenEinsetzen(QWidget *formen)
{
    auto *l = new QVBoxLayout(P_Formen);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(formen);
}

void TAblaufPanel::geosAufklappen(bool auf)
{
    P_Formen->setVisible(auf);
    P_Geos->setFixedHeight(auf ? 260 : m_konturZeileHoehe);
}

void TAblaufPanel::konturListeZeigen(int anzahl, int aktuell, int punkte, int wiederherstellbar)
{
    for (TKonturListe *liste : {KonturListe, KonturListe_ohneVorlage})
        liste->aktualisieren(anzahl, aktuell, punkte, wiederherstellbar);
}

void TAblaufPanel::setMassstabText(const QString &text)
{
    L_Scale->setText(text);
    L_Scale->adjustSize();
    L_Scale->move(P_Scale->width() / 2 - L_Scale->width() / 2, L_Scale->y());
}

QString TAblaufPanel::massstabText() const
{
    return L_Scale->text();
}

void TAblaufPanel::ffaAnzeigen(const FFAAnzeige &anzeige)
{
    P_FFA->setText(anzeige.text);
    QFont f = P_FFA->font();
    f.setBold(anzeige.hervorgehoben);
    P_FFA->setFont(f);
    QPalette pal = P_FFA->palette();
    if (anzeige.hervorgehoben) {
        // A non-standard image plane stands out: lowered bevels, tinted, bold.
        P_FFA->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        P_FFA->setLineWidth(2);
        pal.setColor(QPalette::Window, QColor(137, 152, 208));
    } else {
        P_FFA->setFrameStyle(QFrame::NoFrame);
        pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    }
    P_FFA->setAutoFillBackground(true);
    P_FFA->setPalette(pal);
}

} // namespace qv
