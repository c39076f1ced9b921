#pragma once

#include "app/Knopf.h"
#include "app/KonturListe.h"

#include <QTabWidget>

class QLabel;
class QVBoxLayout;

namespace qv {

/// The page control `PCModus` on the right of the main window: one page per work mode with
/// its header and workflow rows; three groups of controls are shared and move to the page of
/// the current mode.
class TAblaufPanel : public QTabWidget
{
    Q_OBJECT

public:
    explicit TAblaufPanel(QWidget *parent = nullptr);

    /// Page index of a work mode and back (0..4).
    QWidget *seite(int modus) const;
    int modusVonSeite(int index) const { return index; }
    /// Moves the shared groups onto the page of the mode (modes 0..3).
    void gemeinsameGruppenVerschieben(int modus);
    /// Folds the contour list to one workflow row or unfolds it to 360 pixels.
    void konturListeAufklappen(bool auf);
    bool konturListeOffen() const;
    /// Folds the drawing area of the page without template.
    void geosAufklappen(bool auf);

    // pages
    QWidget *TSBildModus = nullptr;
    QWidget *TSZeichenModus = nullptr;
    QWidget *TSBPRModus = nullptr;
    QWidget *TSDicomModus = nullptr;
    QWidget *TSKompensator = nullptr;

    // page header of mode 0 and the FFA panel
    QFrame *P_Scale = nullptr;
    QLabel *L_Scale = nullptr;
    QLabel *P_FFA = nullptr;

    // shared group "Ablauf" / order type
    QFrame *P_AuftragsartBack = nullptr;
    TLampe *P_Auftragsart = nullptr;
    TKnopfPanel *P_AusftragsArtBtn = nullptr;

    // mode 0
    TLampe *P_Bild = nullptr;
    TGluehbirne *Image_Bild = nullptr;
    TKnopfPanel *P_BildBtn = nullptr;
    TKnopfPanel *P_BildDrehenBtn = nullptr;
    TLampe *P_Isozentrum = nullptr;
    TGluehbirne *Image_Iso = nullptr;
    TKnopfPanel *P_IsozentrumBtn = nullptr;
    TLampe *P_Scaled = nullptr;
    TGluehbirne *Image_Scale = nullptr;
    TKnopfPanel *P_ScaleBtn = nullptr;
    QFrame *P_Konturen = nullptr;
    TLampe *P_Kontur = nullptr;
    TGluehbirne *Image_Konturen = nullptr;
    TKnopfPanel *P_KonturBtn = nullptr;
    TKonturListe *KonturListe = nullptr;

    // mode 1
    QFrame *P_Geos = nullptr;
    TKnopfPanel *P_KonturBtn_ohneVorlage = nullptr;
    QWidget *P_Formen = nullptr; // room for the shape tools
    TKonturListe *KonturListe_ohneVorlage = nullptr;

    // modes 2 and 3
    TLampe *P_BPRImport = nullptr;
    TKnopfPanel *P_BPRImportBtn = nullptr;
    TLampe *P_DICOM = nullptr;
    TKnopfPanel *P_DICOMBtn = nullptr;

    // shared rows
    QFrame *P_SharedControls = nullptr;
    TLampe *P_Feld = nullptr;
    TGluehbirne *Image_Feld = nullptr;
    TKnopfPanel *P_FeldBtn = nullptr;
    TLampe *P_Einschubrichtung = nullptr;
    TKnopfPanel *P_EinschubrichtungBtn = nullptr;
    TLampe *P_Auftragsdaten = nullptr;
    TKnopfPanel *P_AuiftragsdatenBtn = nullptr;
    TKnopfPanel *P_SaveBtn = nullptr;

    // shared bottom group
    QFrame *P_Bearbeiten_Einschub = nullptr;
    QFrame *P_Bearbeiten = nullptr;
    TKnopfPanel *P_VerschiebenBtn = nullptr;
    TKnopfPanel *P_DrehenBtn = nullptr;
    QFrame *P_EinschubDraw = nullptr;

    /// Every workflow button, for the input and view locks.
    QList<TKnopfPanel *> alleKnoepfe() const;

private:
    struct Seite
    {
        QWidget *seite = nullptr;
        QVBoxLayout *auftragsart = nullptr;
        QVBoxLayout *shared = nullptr;
        QVBoxLayout *unten = nullptr;
        QVBoxLayout *ffa = nullptr;
    };
    Seite seiteAnlegen(const QString &name, const QString &titel);
    QFrame *zeile(QWidget *parent, TLampe **lampe, TGluehbirne **birne, TKnopfPanel **knopf, const QString &caption,
                  const QString &knopfName, const QString &lampenName = {}, const QString &birnenName = {});

    Seite m_seiten[4];
    int m_konturZeileHoehe = 28;
};

} // namespace qv
