#pragma once

#include <QWidget>

#include <optional>
#include <utility>

class QAction;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace qv {

class Messages;

/// The shape tools of the page without template: a tool bar with rectangle, circle and ellipse,
/// and one page per shape with its sizes in centimetres and a "generieren" button. It shows what
/// it is told and reports clicks; which tool is chosen is decided by its owner.
class FormenPanel : public QWidget
{
    Q_OBJECT
public:
    /// The five size edits.
    enum class Feld { RechteckX, RechteckY, KreisRadius, EllipseX, EllipseY };

    FormenPanel(Messages &messages, QWidget *parent = nullptr);

    /// Shows tool t (1 rectangle, 2 circle, 3 ellipse) pressed and its page; 0 shows none pressed.
    void werkzeugZeigen(int t);
    /// The two sizes of a tool's page (for the circle the radius and 0); empty when a text is not
    /// a number.
    std::optional<std::pair<double, double>> groesse(int werkzeug) const;
    QString text(Feld feld) const;
    void setText(Feld feld, const QString &text);
    /// The live size of a dragged shape, in the edits of its page.
    void groesseZeigen(int werkzeug, std::pair<double, double> cm);

signals:
    /// A tool bar button or a page of the page control was chosen.
    void werkzeugGeklickt(int werkzeug);
    void seiteGewaehlt(int werkzeug);
    void generieren(int werkzeug);

private:
    QLineEdit *feld(Feld f) const;
    void verlassen(QLineEdit *edit);

    Messages &m_messages;
    QToolBar *ToolBar1 = nullptr;
    QAction *TBRechteck = nullptr;
    QAction *TBKreis = nullptr;
    QAction *TBEllipse = nullptr;
    QTabWidget *PCZeichnen = nullptr;
    QLineEdit *E_ZeichnenRechteckX = nullptr;
    QLineEdit *E_ZeichnenRechteckY = nullptr;
    QLineEdit *E_ZeichnenKreisRadius = nullptr;
    QLineEdit *E_ZeichnenEllipseX = nullptr;
    QLineEdit *E_ZeichnenEllipseY = nullptr;
    bool m_zeigt = false; // werkzeugZeigen changes the page: not a choice of the person
};

} // namespace qv
