#pragma once

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace qv {

/// The small entry dialog of the configuration editor: one or two fields, or a text.
class TBerarbeitungsForm : public QDialog
{
    Q_OBJECT

public:
    /// What the caller sets and reads back. With an empty first field the text box is shown;
    /// the second field is hidden when its preset is empty.
    struct Eingabe
    {
        QString Header;
        QString LabelEdit1;
        QString Edit1;
        QString LabelEdit2;
        QString Edit2;
        QStringList Memo;
    };

    explicit TBerarbeitungsForm(const Eingabe &eingabe, QWidget *parent = nullptr);
    /// The entries after "Speichern".
    Eingabe Ergebnis() const;

Q_SIGNALS:
    /// F1: the caller shows the help window.
    void hilfeAngefordert();

private:
    Eingabe m_eingabe;
    QLabel *L_Header;
    QGroupBox *GB_Edit;
    QLabel *L_Edit1;
    QLineEdit *Edit1;
    QLabel *L_Edit2;
    QLineEdit *Edit2;
    QGroupBox *GB_Memo;
    QPlainTextEdit *Memo1;
};

} // namespace qv
