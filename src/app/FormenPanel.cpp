#include "app/FormenPanel.h"

#include "app/FormenEingabe.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "contour/Formen.h"

#include <QAction>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace qv {

namespace {

QLineEdit *groessenFeld(QFormLayout *form, const QString &name, const QString &beschriftung, const QString &vorgabe)
{
    auto *e = new QLineEdit(vorgabe);
    e->setObjectName(name);
    e->setMaxLength(12);
    form->addRow(beschriftung, e);
    return e;
}

} // namespace

FormenPanel::FormenPanel(Messages &messages, QWidget *parent)
    : QWidget(parent), m_messages(messages)
{
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto werkzeug = [this](const QString &name, const QString &text, int t) {
        QAction *a = ToolBar1->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a, t] {
            // The pressed look follows the chosen tool, not the click.
            a->setChecked(!a->isChecked());
            emit werkzeugGeklickt(t);
        });
        return a;
    };
    TBRechteck = werkzeug(QStringLiteral("TBRechteck"), QStringLiteral("Rechteck"), FormRechteck);
    TBKreis = werkzeug(QStringLiteral("TBKreis"), QStringLiteral("Kreis"), FormKreis);
    TBEllipse = werkzeug(QStringLiteral("TBEllipse"), QStringLiteral("Ellipse"), FormEllipse);
    v->addWidget(ToolBar1);

    PCZeichnen = new QTabWidget(this);
    PCZeichnen->setObjectName(QStringLiteral("PCZeichnen"));
    auto seite = [this](const QString &name, const QString &titel, int t) {
        auto *w = new QWidget;
        w->setObjectName(name);
        auto *form = new QFormLayout(w);
        PCZeichnen->addTab(w, titel);
        auto *knopf = new QPushButton(QStringLiteral("generieren"));
        knopf->setObjectName(t == FormRechteck ? QStringLiteral("Btn_GenerateRechteck")
                             : t == FormKreis ? QStringLiteral("Btn_GenerateKreis")
                                      : QStringLiteral("Btn_GenerateEllipse"));
        connect(knopf, &QPushButton::clicked, this, [this, t] { emit generieren(t); });
        return std::pair{form, knopf};
    };
    auto [rechteck, rechteckKnopf] = seite(QStringLiteral("TSRechteck"), QStringLiteral("Rechteck"), 1);
    E_ZeichnenRechteckX = groessenFeld(rechteck, QStringLiteral("E_ZeichnenRechteckX"), QStringLiteral("Länge (X)"), QStringLiteral("5,0"));
    E_ZeichnenRechteckY = groessenFeld(rechteck, QStringLiteral("E_ZeichnenRechteckY"), QStringLiteral("Breite (Y)"), QStringLiteral("5,0"));
    rechteck->addRow(QStringLiteral("cm"), rechteckKnopf);
    auto [kreis, kreisKnopf] = seite(QStringLiteral("TSKreis"), QStringLiteral("Kreis"), 2);
    E_ZeichnenKreisRadius = groessenFeld(kreis, QStringLiteral("E_ZeichnenKreisRadius"), QStringLiteral("Radius"), QStringLiteral("5,0"));
    kreis->addRow(QStringLiteral("cm"), kreisKnopf);
    auto [ellipse, ellipseKnopf] = seite(QStringLiteral("TSEllipse"), QStringLiteral("Ellipse"), 3);
    E_ZeichnenEllipseX = groessenFeld(ellipse, QStringLiteral("E_ZeichnenEllipseX"), QStringLiteral("Länge (X)"), QStringLiteral("10,0"));
    E_ZeichnenEllipseY = groessenFeld(ellipse, QStringLiteral("E_ZeichnenEllipseY"), QStringLiteral("Breite (Y)"), QStringLiteral("5,0"));
    ellipse->addRow(QStringLiteral("cm"), ellipseKnopf);
    v->addWidget(PCZeichnen);
    v->addStretch(1);

    connect(PCZeichnen, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_zeigt)
            emit seiteGewaehlt(index + 1);
    });
    for (QLineEdit *e : {E_ZeichnenRechteckX, E_ZeichnenRechteckY, E_ZeichnenKreisRadius, E_ZeichnenEllipseX, E_ZeichnenEllipseY})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { verlassen(e); });
}

void FormenPanel::werkzeugZeigen(int t)
{
    TBRechteck->setChecked(t == FormRechteck);
    TBKreis->setChecked(t == FormKreis);
    TBEllipse->setChecked(t == FormEllipse);
    if (t >= FormRechteck && t <= FormEllipse) {
        m_zeigt = true;
        PCZeichnen->setCurrentIndex(t - 1);
        m_zeigt = false;
    }
}

QLineEdit *FormenPanel::feld(Feld f) const
{
    switch (f) {
    case Feld::RechteckX: return E_ZeichnenRechteckX;
    case Feld::RechteckY: return E_ZeichnenRechteckY;
    case Feld::KreisRadius: return E_ZeichnenKreisRadius;
    case Feld::EllipseX: return E_ZeichnenEllipseX;
    case Feld::EllipseY: return E_ZeichnenEllipseY;
    }
    return E_ZeichnenRechteckX;
}

QString FormenPanel::text(Feld f) const
{
    return feld(f)->text();
}

void FormenPanel::setText(Feld f, const QString &text)
{
    feld(f)->setText(text);
}

std::optional<std::pair<double, double>> FormenPanel::groesse(int werkzeug) const
{
    std::optional<double> x;
    std::optional<double> y = 0.0;
    switch (werkzeug) {
    case FormRechteck: x = FormGroesseLesen(text(Feld::RechteckX)); y = FormGroesseLesen(text(Feld::RechteckY)); break;
    case FormKreis: x = FormGroesseLesen(text(Feld::KreisRadius)); break;
    case FormEllipse: x = FormGroesseLesen(text(Feld::EllipseX)); y = FormGroesseLesen(text(Feld::EllipseY)); break;
    default: return std::nullopt;
    }
    if (!x || !y)
        return std::nullopt;
    return std::pair{*x, *y};
}

void FormenPanel::groesseZeigen(int werkzeug, std::pair<double, double> cm)
{
    switch (werkzeug) {
    case FormRechteck:
        setText(Feld::RechteckX, formatDecimal(cm.first));
        setText(Feld::RechteckY, formatDecimal(cm.second));
        break;
    case FormKreis:
        setText(Feld::KreisRadius, formatDecimal(cm.first));
        break;
    case FormEllipse:
        setText(Feld::EllipseX, formatDecimal(cm.first));
        setText(Feld::EllipseY, formatDecimal(cm.second));
        break;
    default:
        break;
    }
}

void FormenPanel::verlassen(QLineEdit *edit)
{
    edit->setText(FormGroesseText(edit->text()));
    if (!FormGroesseLesen(edit->text())) {
        m_messages.information(QStringLiteral("Bitte geben Sie eine Zahl ein."));
        // After the box has closed, so that the focus change of the box does not end here again.
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
    }
}

} // namespace qv
