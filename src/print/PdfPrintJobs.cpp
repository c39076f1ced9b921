#include "print/PdfPrintJobs.h"

#include "print/PainterCanvas.h"

#include "base/AtomicWriter.h"

#include <QBuffer>
#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace qv {

namespace {

// Printers cannot print to the edge of the paper; the PDF keeps the same printable area.
constexpr double kRandMM = 5.0;

class PdfCanvas final : public PrintCanvas
{
public:
    PdfCanvas(QString path, std::unique_ptr<AtomicWriter> file, std::unique_ptr<QBuffer> buffer,
              std::unique_ptr<QPdfWriter> writer, std::unique_ptr<PainterCanvas> canvas)
        : m_path(std::move(path))
        , m_file(std::move(file))
        , m_buffer(std::move(buffer))
        , m_writer(std::move(writer))
        , m_canvas(std::move(canvas))
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
        if (!beendet)
            return Error{QStringLiteral("Die PDF-Datei \"%1\" konnte nicht geschrieben werden.")
                             .arg(QDir::toNativeSeparators(m_path))};
        // The writer's messages name the file and say why in German.
        if (auto ok = m_file->write(m_buffer->data()); !ok)
            return ok;
        return m_file->commit();
    }

private:
    QString m_path;
    std::unique_ptr<AtomicWriter> m_file;
    std::unique_ptr<QBuffer> m_buffer; // the PDF is made in memory, then written in one go
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<PainterCanvas> m_canvas;
};

} // namespace

PdfPrintJobs::PdfPrintJobs(QString pdfPath) : m_path(std::move(pdfPath)) {}

Result<std::unique_ptr<PrintCanvas>> PdfPrintJobs::beginJob(const QString &title)
{
    // Opened first, so a target that cannot be written (or is no regular file) is refused
    // before anything is laid out.
    auto file = std::make_unique<AtomicWriter>(m_path);
    if (auto ok = file->open(); !ok)
        return Error{ok.error()};
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    auto writer = std::make_unique<QPdfWriter>(buffer.get());
    writer->setTitle(title.trimmed());
    writer->setCreator(QStringLiteral("Quellvantar"));
    writer->setResolution(1200);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kRandMM, kRandMM, kRandMM, kRandMM), QPageLayout::Millimeter));
    Result<std::unique_ptr<PainterCanvas>> canvas = PainterCanvas::begin(*writer);
    if (!canvas) {
        return Error{QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(m_path))};
    }
    return std::unique_ptr<PrintCanvas>(
        std::make_unique<PdfCanvas>(m_path, std::move(file), std::move(buffer), std::move(writer), std::move(*canvas)));
}

} // namespace qv
