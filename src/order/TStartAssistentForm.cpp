#include "order/TStartAssistentForm.h"

#include "app/StartAblauf.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {

static_assert(TStartAssistentForm::Abgebrochen == kAssistentAbgebrochen);

TStartAssistentForm::TStartAssistentForm(IniFile &einstellungen, QWidget *parent)
    : AssistentenRahmen(QStringLiteral("Erstellungsart"), QStringLiteral("Wie möchten Sie vorgehen?"), parent)
    , m_einstellungen(einstellungen)
{
    setObjectName(QStringLiteral("StartAssistentForm"));
    setWindowTitle(QStringLiteral("Assistent für neuen Auftrag"));

    m_modi[0] = auswahl("rb_BildVorlage", QStringLiteral("Auftrag mit Hilfe einer Bildvorlage erstellen"),
                        {QStringLiteral("In diesem Modus liegt Ihnen eine Vorlage in Form eines Bildes (Screenshot aus ihrem "),
                         QStringLiteral("Planungssystem) vor. Ihr Screenshot muß als JPG, Bitmap bzw. PNG vorliegen."),
                         QStringLiteral("Mit dessen Hilfe können Sie Ihre Blöcke, bzw. Blenden nachzeichnen und mit einem "),
                         QStringLiteral("passenden Maßstab versehen.")});
    m_modi[1] = auswahl("rb_ohneVorlage", QStringLiteral("Auftrag ohne Vorlage erstellen"),
                        {QStringLiteral("In diesem Modus haben Sie keine Vorlage, sondern nur die Information, an welcher "),
                         QStringLiteral("Stelle ein z.B. Rechteck oder Kreis benötigt wird."),
                         QStringLiteral("Diese Formen können Sie hier in einer definierbaren Ebene (FFA) generieren.")});
    m_modi[2] = auswahl("rb_BPR", QStringLiteral("Auftrag aus einer Datei Ihres Planungssystems importieren (BPR)"),
                        {QStringLiteral("In diesem Modus können Sie Dateien aus Ihrem Planungssystem einlesen und "),
                         QStringLiteral("übernehmen. Unterstützt werden die Formate:"),
                         QStringLiteral("Parscientific, HEK, Multidata, Plato, Huestis und Target.")});
    m_modi[3] = auswahl("rb_DICOM", QStringLiteral("Auftrag aus einem DICOM-RT Plan importieren"),
                        {QStringLiteral("In diesem Modus können Sie DICOM-RT Plan Dateien einlesen und übernehmen."),
                         QStringLiteral("Es werden alle DICOM-Pläne angezeigt, die Blockdaten enthalten. "),
                         QStringLiteral("Sie können beim Importieren den Patienten, den Beams und das dazugehörige Feld "),
                         QStringLiteral("auswählen.")});
    m_modi[0]->setChecked(true);

    inhalt()->addStretch(1);
    m_nichtMehr = new QCheckBox(QStringLiteral("Diesen Assistenten nicht mehr anzeigen"), this);
    m_nichtMehr->setObjectName(QStringLiteral("cb_ShowStartAssi"));
    inhalt()->addWidget(m_nichtMehr);
}

int TStartAssistentForm::gewaehlt() const
{
    for (int m = 0; m < int(m_modi.size()); ++m)
        if (m_modi[m]->isChecked())
            return m;
    return 0;
}

void TStartAssistentForm::waehlen(int modus)
{
    if (modus >= 0 && modus < int(m_modi.size()))
        m_modi[modus]->setChecked(true);
}

void TStartAssistentForm::nichtMehrAnzeigen(bool an)
{
    m_nichtMehr->setChecked(an);
}

void TStartAssistentForm::showEvent(QShowEvent *event)
{
    AssistentenRahmen::showEvent(event);
    m_modi[gewaehlt()]->setFocus();
}

int TStartAssistentForm::Ausfuehren(int modus)
{
    // Another mode (the compensator mode) leaves the form's choice as it is.
    waehlen(modus);
    if (exec() != QDialog::Accepted)
        return Abgebrochen;
    StartAssistentSetzen(m_einstellungen, !m_nichtMehr->isChecked());
    return gewaehlt();
}

} // namespace qv
