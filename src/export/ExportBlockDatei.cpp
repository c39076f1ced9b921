#include "export/ExportBlockDatei.h"

#include "base/AtomicWriter.h"
#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "base/Steuerzeichen.h"
#include "export/ExportPruefung.h"
#include "export/ExportZahlen.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace qv {

namespace {

struct IsoPunkt
{
    qint64 x;
    qint64 y;
};

BlockDateiErgebnis fehler(const QString &meldung)
{
    BlockDateiErgebnis e;
    e.status = BlockDateiErgebnis::Status::Fehler;
    e.meldung = meldung;
    return e;
}

QString zahlText(double wert)
{
    return formatDecimal(wert);
}

} // namespace

bool InCp1252Darstellbar(QStringView text)
{
    return fromCp1252(toCp1252(text)) == text;
}

BlockDateiErgebnis BlockDateiInhalt(const ExportQuelle &quelle, const QString &pfadText, bool abstandNullAuf95)
{
    if (const std::optional<QString> grund = NichtMessbar(quelle))
        return fehler(*grund + QStringLiteral(" Die BPR-Datei wird nicht geschrieben."));
    const double ffa = quelle.FFA;

    const std::optional<double> fba = parseDecimal(quelle.FBA);
    if (!fba)
        return fehler(QStringLiteral("Der FBA \"%1\" des Beschleunigers ist keine Zahl. Die BPR-Datei wird nicht geschrieben.")
                          .arg(quelle.FBA));
    const double efba = parseDecimal(quelle.EFBA).value_or(0.0);
    double d = quelle.Auftragsart == TAuftragsart::Photonen ? *fba : efba;
    if (d == 0.0) {
        if (!abstandNullAuf95) {
            BlockDateiErgebnis e;
            e.status = BlockDateiErgebnis::Status::AbstandNull;
            e.meldung = kAbstandNullHinweis + u'\n' + kAbstandNullFrage;
            return e;
        }
        d = kAbstandNullErsatz;
    }

    const double ppmm = quelle.PixelProMM;
    auto iso = [&](QPoint p) { return IsoPunkt{IsoZehntel(p.x(), ffa, ppmm), IsoZehntel(p.y(), ffa, ppmm)}; };

    // Upper left and lower right, whichever way the field was dragged (y points upward).
    const QPoint a = quelle.FeldEcke1;
    const QPoint b = quelle.FeldEcke2;
    const IsoPunkt t1 = iso(QPoint(std::min(a.x(), b.x()), std::max(a.y(), b.y())));
    const IsoPunkt t2 = iso(QPoint(std::max(a.x(), b.x()), std::min(a.y(), b.y())));
    QStringList backen;
    for (qint64 t : {-t1.x, t2.x, -t2.y, t1.y}) {
        const std::optional<QString> jaw = JawText(t, d);
        if (!jaw)
            return fehler(QStringLiteral("Die Feldgrenzen lassen sich mit dem Abstand %1 cm nicht berechnen. "
                                         "Die BPR-Datei wird nicht geschrieben.")
                              .arg(zahlText(d)));
        backen.append(*jaw);
    }

    QStringList zeilen;
    zeilen << u';' + pfadText << QStringLiteral(" ") << QStringLiteral("[BEAM1]");
    zeilen << NumText(quelle.Gantrywinkel) + u' ' + NumText(quelle.Kollimatorwinkel) + u' ' + backen.join(u' ');
    zeilen << QStringLiteral("block_qty=") + QString::number(quelle.Konturen.size());
    const QString abstand = ZweiDezimalen(d) + QStringLiteral("0000 100.000000 ");
    for (qsizetype n = 0; n < quelle.Konturen.size(); ++n) {
        const QString nummer = QString::number(n + 1);
        QString punkte = QStringLiteral("block") + nummer + QStringLiteral("pts= ");
        QString ersterText;
        const QList<QPoint> &kontur = quelle.Konturen[n];
        for (qsizetype i = 0; i < kontur.size(); ++i) {
            const IsoPunkt t = iso(kontur[i]);
            const QString text = CmText(t.x) + u' ' + CmText(t.y) + u' ';
            if (i == 0)
                ersterText = text;
            else if (i == 1 && text == ersterText)
                continue; // the cutting software refuses a repeated start point
            punkte += text;
        }
        zeilen << punkte;
        zeilen << QStringLiteral("block") + nummer + QStringLiteral("=1 ") + abstand;
    }
    // A text is one line of its section, whatever the person typed or a file carried into it.
    zeilen << QString() << QStringLiteral("[PATIENT ID]") << OhneSteuerzeichen(quelle.PatientenID) << QStringLiteral("[KOMMENTAR]")
           << OhneSteuerzeichen(quelle.KurzKommentar) << QStringLiteral("[ZIELVOLUMEN]") << OhneSteuerzeichen(quelle.Zielvolumen)
           << QStringLiteral("[Rotation]")
           << QString::number(-quelle.Drehwinkel);

    if (!InCp1252Darstellbar(pfadText))
        return fehler(QStringLiteral("Der Pfad \"%1\" enthält Zeichen, die in der BPR-Datei nicht geschrieben werden können. "
                                     "Bitte wählen Sie einen anderen Namen.")
                          .arg(pfadText));
    QString text;
    for (const QString &zeile : std::as_const(zeilen))
        text += zeile + QStringLiteral("\r\n");
    if (!InCp1252Darstellbar(text))
        return fehler(QStringLiteral("Die Auftragsdaten enthalten Zeichen, die in der BPR-Datei nicht geschrieben werden können."));

    BlockDateiErgebnis e;
    e.inhalt = toCp1252(text);
    return e;
}

Result<void> ProduktionsDateiSchreiben(const QString &fileName, const QByteArray &inhalt)
{
    const QFileInfo ziel(fileName);
    if (ziel.exists() && !ziel.isFile())
        return Error{QStringLiteral("\"%1\" ist keine Datei und wird nicht überschrieben.").arg(QDir::toNativeSeparators(fileName))};
    return writeFileAtomically(fileName, inhalt);
}

BlockDateiErgebnis ExportBlockDatei(const ExportQuelle &quelle, const QString &fileName, bool abstandNullAuf95)
{
    BlockDateiErgebnis e = BlockDateiInhalt(quelle, fileName, abstandNullAuf95);
    if (!e.fertig())
        return e;
    if (const Result<void> geschrieben = ProduktionsDateiSchreiben(fileName, e.inhalt); !geschrieben)
        return fehler(geschrieben.error());
    return e;
}

} // namespace qv
