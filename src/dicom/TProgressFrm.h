#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace qv {

/// The progress window of long reads: a borderless black panel with a white bold caption and
/// a bar, centred on its parent window.
class TProgressFrm : public QWidget
{
    Q_OBJECT

public:
    TProgressFrm(const QString &caption, QWidget *parent);

    /// Shows `done` of `total` and lets the window repaint.
    void setProgress(qsizetype done, qsizetype total);
    QString caption() const;
    int value() const;
    int maximum() const;

private:
    QLabel *lblHeader = nullptr;
    QProgressBar *Bar = nullptr;
};

} // namespace qv
