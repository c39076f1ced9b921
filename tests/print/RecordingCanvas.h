#pragma once

#include "print/PrintJobs.h"

#include <QList>
#include <QString>

namespace qv::test {

/// Print canvas double: records every text with its position, page and font.
class RecordingCanvas final : public PrintCanvas
{
public:
    struct Text
    {
        int page;
        int x, y;
        PrintFont font;
        QString text;
    };

    explicit RecordingCanvas(int pageHeight) : m_pageHeight(pageHeight) {}

    void setFont(const PrintFont &font) override { m_font = font; }
    void drawText(int x, int y, const QString &text) override { texts.append({page, x, y, m_font, text}); }
    void newPage() override { ++page; }
    int pageHeight() const override { return m_pageHeight; }
    Result<void> finish() override
    {
        finished = true;
        if (failFinish)
            return Error{QStringLiteral("Druck fehlgeschlagen")};
        return {};
    }

    /// The first text that starts with prefix, or nullptr.
    const Text *find(const QString &prefix) const
    {
        for (const Text &t : texts) {
            if (t.text.startsWith(prefix))
                return &t;
        }
        return nullptr;
    }

    QList<Text> texts;
    int page = 1;
    bool finished = false;
    bool failFinish = false;

private:
    PrintFont m_font;
    int m_pageHeight;
};

/// Print jobs double: scripted printer choice, each job's canvas kept.
class RecordingPrintJobs final : public PrintJobs
{
public:
    struct Job
    {
        QString title;
        RecordingCanvas *canvas;
    };

    bool choosePrinter() override
    {
        ++dialogs;
        return chooseAnswer;
    }

    Result<std::unique_ptr<PrintCanvas>> beginJob(const QString &title) override
    {
        if (failBegin)
            return Error{QStringLiteral("Der Drucker kann nicht geöffnet werden.")};
        auto canvas = std::make_unique<RecordingCanvas>(pageHeight);
        canvas->failFinish = failFinish;
        jobs.append({title, canvas.get()});
        m_kept.push_back(std::move(canvas));
        // The caller owns the canvas it is given; the recording stays here.
        return std::unique_ptr<PrintCanvas>(std::make_unique<Forward>(*jobs.last().canvas));
    }

    QList<Job> jobs;
    int dialogs = 0;
    bool chooseAnswer = true;
    bool failBegin = false;
    bool failFinish = false;
    int pageHeight = 100000;

private:
    class Forward final : public PrintCanvas
    {
    public:
        explicit Forward(RecordingCanvas &c) : m_c(c) {}
        void setFont(const PrintFont &f) override { m_c.setFont(f); }
        void drawText(int x, int y, const QString &t) override { m_c.drawText(x, y, t); }
        void newPage() override { m_c.newPage(); }
        int pageHeight() const override { return m_c.pageHeight(); }
        Result<void> finish() override { return m_c.finish(); }

    private:
        RecordingCanvas &m_c;
    };

    std::vector<std::unique_ptr<RecordingCanvas>> m_kept;
};

} // namespace qv::test
