#include "workspace/BildVorschauChooser.h"

#include "base/image/ImageIO.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace qv {

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

    QObject::connect(&dialog, &QFileDialog::currentChanged, vorschau, [vorschau](const QString &pfad) {
        vorschau->clear();
        if (!QFileInfo(pfad).isFile())
            return;
        const Result<QImage> bild = readTemplateImage(pfad);
        if (bild)
            vorschau->setPixmap(QPixmap::fromImage(bild->scaled(vorschau->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        else
            vorschau->setText(QStringLiteral("keine Vorschau"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace qv
