#include "order/TFirstStartForm.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv {

TFirstStartForm::TFirstStartForm(QWidget *parent)
    : AssistentenRahmen(QStringLiteral("Erster Start"), QStringLiteral("Was möchten Sie tun?"), parent)
{
    setObjectName(QStringLiteral("FirstStartForm"));
    setWindowTitle(QStringLiteral("Quellvantar"));

    m_demo = auswahl("rb_DEMOModus", QStringLiteral("Quellvantar im DEMO-Modus starten"),
                     {QStringLiteral("Im Quellvantar DEMO-Modus gibt es vorkonfigurierte Daten."),
                      QStringLiteral("Sie können die volle Funktionalität von Quellvantar nutzen und mit den"),
                      QStringLiteral("Beispieldaten \"spielen\".")});
    auto *hinweis = new QLabel(QStringLiteral("Das Speichern von Aufträgen ist in diesem Modus deaktiviert."), this);
    hinweis->setObjectName(QStringLiteral("lbl_DemoHinweis"));
    hinweis->setContentsMargins(24, 0, 0, 16);
    QFont schraeg = hinweis->font();
    schraeg.setItalic(true);
    hinweis->setFont(schraeg);
    inhalt()->addWidget(hinweis);

    m_konfig = auswahl("rb_FirstKonfig", QStringLiteral("Quellvantar für den Start konfigurieren "),
                       {QStringLiteral("Um mit Quellvantar arbeiten zu können müssen einige Daten vorliegen. "),
                        QStringLiteral("Diese Daten können Sie hier konfigurieren.")});
    inhalt()->addStretch(1);
    m_demo->setChecked(true);
}

TFirstStartForm::Wahl TFirstStartForm::gewaehlt() const
{
    return m_demo->isChecked() ? DemoModus : Konfigurieren;
}

void TFirstStartForm::showEvent(QShowEvent *event)
{
    AssistentenRahmen::showEvent(event);
    m_demo->setFocus();
}

int TFirstStartForm::Ausfuehren()
{
    if (exec() != QDialog::Accepted)
        return Abgebrochen;
    return gewaehlt();
}

} // namespace qv
