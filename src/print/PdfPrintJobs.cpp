#include "print/PdfPrintJobs.h"

#include "print/PainterCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace qv {

namespace {

// Printers cannot print to the edge of the paper; the PDF keeps the same printable area.
constexpr double kRandMM = 5.0;

class PdfCanvas final : public PrintCanvas
{
public:
    PdfCanvas(QString path, std::unique_ptr<QSaveFile> file, std::unique_ptr<QPdfWriter> writer,
              std::unique_ptr<PainterCanvas> canvas)
        : m_path(std::move(path)), m_file(std::move(file)), m_writer(std::move(writer)), m_canvas(std::move(canvas))
    {
    }

    void setFont(const PrintFont &font) override { m_canvas->setFont(font); }
    void drawText(int x, int y, const QString &text) override { m_canvas->drawText(x, y, text); }
    void newPage() override { m_canvas->newPage(); }
    int pageHeight() const override { return m_canvas->pageHeight(); }

    Result<void> finish() override
    {
        const Result<void> beendet = m_canvas->finish();
        m_canvas.reset();
        m_writer.reset(); // flushes the trailer of the PDF
        if (!beendet || !m_file->commit())
            return Error{QStringLiteral("Die PDF-Datei \"%1\" konnte nicht geschrieben werden: %2")
                             .arg(QDir::toNativeSeparators(m_path), m_file->errorString())};
        return {};
    }

private:
    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<PainterCanvas> m_canvas;
};

} // namespace

PdfPrintJobs::PdfPrintJobs(QString pdfPath) : m_path(std::move(pdfPath)) {}

Result<std::unique_ptr<PrintCanvas>> PdfPrintJobs::beginJob(const QString &title)
{
    const QFileInfo ziel(m_path);
    if (ziel.exists() && !ziel.isFile())
        return Error{QStringLiteral("\"%1\" ist keine Datei und wird nicht überschrieben.").arg(QDir::toNativeSeparators(m_path))};
    auto file = std::make_unique<QSaveFile>(m_path);
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly))
        return Error{QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: %2")
                         .arg(QDir::toNativeSeparators(m_path), file->errorString())};
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setTitle(title.trimmed());
    writer->setCreator(QStringLiteral("Quellvantar"));
    writer->setResolution(1200);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kRandMM, kRandMM, kRandMM, kRandMM), QPageLayout::Millimeter));
    Result<std::unique_ptr<PainterCanvas>> canvas = PainterCanvas::begin(*writer);
    if (!canvas) {
        file->cancelWriting();
        return Error{QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(m_path))};
    }
    return std::unique_ptr<PrintCanvas>(
        std::make_unique<PdfCanvas>(m_path, std::move(file), std::move(writer), std::move(*canvas)));
}

} // namespace qv
