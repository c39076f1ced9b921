#pragma once

#include "order/Einschubwinkel.h"
#include "order/TAuftragsart.h"

#include <QDialog>
#include <QImage>
#include <QList>

class QPushButton;
class QTextEdit;

namespace qv {

class IniFile;

/// "Einschubrichtung": the tray or frame of the accelerator's maker with a small picture of
/// the order on it; the picture is turned clockwise in quarter turns until it lies as the
/// blocks are to be mounted. Keeps the confirmed direction between orders.
class TEinschubrichtungsForm : public QDialog
{
    Q_OBJECT

public:
    explicit TEinschubrichtungsForm(IniFile &einstellungen, QWidget *parent = nullptr);

    TEinschubrichtung GetEinschubrichtung() const { return m_winkel.GetEinschubrichtung(); }
    void SetEinschubrichtung(TEinschubrichtung code) { m_winkel.SetEinschubrichtung(code); }
    int Drehwinkel() const { return m_winkel.Drehwinkel(); }
    int NeuerWinkel() const { return m_winkel.NeuerWinkel(); }

    /// The order kind drawn for (electron orders get the frame) and the hint text.
    void AuftragsartSetzen(TAuftragsart art);
    /// The maker of the current accelerator; another text than the four known draws nothing.
    void HerstellerSetzen(const QString &hersteller);
    /// Keeps the order picture and its three clockwise turns; false without a picture.
    bool BilderVorbereiten(const QImage &bild);
    /// Shows the dialog modally. OK confirms the shown direction and stores its text in
    /// Init/Einschubrichtung; Cancel goes back to the confirmed one. True on OK.
    bool Ausfuehren();

    /// "CW drehen".
    void btn_TurnClick();
    QString hinweisText() const;
    /// The picture shown for the current angle (for tests).
    QImage gezeigtesBild() const;

private:
    void btn_okClick();
    void btn_abbruchClick();

    IniFile &m_einstellungen;
    Einschubwinkel m_winkel;
    TAuftragsart m_dialogAuftragsart = TAuftragsart::Photonen;
    QString m_hersteller;
    QList<QImage> m_bilder;
    QWidget *m_vorlage = nullptr;
    QWidget *m_pfeil = nullptr;
    QTextEdit *m_hinweis = nullptr;

    friend class EinschubZeichenflaeche;
};

} // namespace qv
