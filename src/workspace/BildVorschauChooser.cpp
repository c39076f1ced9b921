#include "workspace/BildVorschauChooser.h"

#include "base/AtomicWriter.h"
#include "base/image/ImageIO.h"

#include <QFileDialog>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

namespace qv {

namespace {

// The preview of one file, made on a worker thread: decoding a large picture takes a while,
// and the dialog must follow the selection without waiting for it.
QImage vorschauBild(const QString &pfad, QSize groesse)
{
    if (pathKind(pfad) != PathKind::RegularFile)
        return {};
    const Result<QImage> bild = readTemplateImage(pfad);
    if (!bild)
        return {};
    return bild->scaled(groesse, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QString BildVorschauChooser::openFile(const QString &title, const QString &startFolder, const QString &filter)
{
    QFileDialog dialog(m_parent, title, startFolder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the preview needs Qt's own dialog
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);

    auto *vorschau = new QLabel(&dialog);
    vorschau->setObjectName(QStringLiteral("Vorschau"));
    vorschau->setFixedSize(220, 220);
    vorschau->setAlignment(Qt::AlignCenter);
    vorschau->setFrameShape(QFrame::StyledPanel);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(vorschau, 1, grid->columnCount(), 1, 1);

    // Only the newest selection is shown; earlier ones finish unseen.
    auto gewaehlt = std::make_shared<QString>();
    QObject::connect(&dialog, &QFileDialog::currentChanged, vorschau, [vorschau, gewaehlt](const QString &pfad) {
        *gewaehlt = pfad;
        vorschau->clear();
        if (pathKind(pfad) != PathKind::RegularFile)
            return;
        vorschau->setText(QStringLiteral("Vorschau wird geladen …"));
        auto *beobachter = new QFutureWatcher<QImage>(vorschau);
        QObject::connect(beobachter, &QFutureWatcher<QImage>::finished, vorschau, [vorschau, beobachter, gewaehlt, pfad] {
            beobachter->deleteLater();
            if (*gewaehlt != pfad)
                return;
            const QImage bild = beobachter->result();
            if (bild.isNull())
                vorschau->setText(QStringLiteral("keine Vorschau"));
            else
                vorschau->setPixmap(QPixmap::fromImage(bild));
        });
        beobachter->setFuture(QtConcurrent::run(vorschauBild, pfad, vorschau->size()));
    });
    // A preview still being made when the dialog closes finishes unseen: its watcher goes with
    // the label, the work holds copies of what it needs.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace qv
