#include "dicom/TProgressFrm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace qv {

TProgressFrm::TProgressFrm(const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ProgressFrm"));
    setFixedSize(522, 99);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    lblHeader = new QLabel(caption, this);
    QFont bold = lblHeader->font();
    bold.setBold(true);
    lblHeader->setFont(bold);
    Bar = new QProgressBar(this);
    Bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblHeader);
    layout->addWidget(Bar);
    if (parent) {
        const QWidget *window = parent->window();
        move(window->geometry().center() - rect().center());
    }
}

void TProgressFrm::setProgress(qsizetype done, qsizetype total)
{
    Bar->setMaximum(int(std::max<qsizetype>(total, 1)));
    Bar->setValue(int(std::min(done, total)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TProgressFrm::caption() const
{
    return lblHeader->text();
}

int TProgressFrm::value() const
{
    return Bar->value();
}

int TProgressFrm::maximum() const
{
    return Bar->maximum();
}

} // namespace qv
