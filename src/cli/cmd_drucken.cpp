#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "base/IniFile.h"
#include "config/TKonfiguration.h"
#include "config/TKundenDaten.h"
#include "export/ExportPruefung.h"
#include "export/ExportQuelle.h"
#include "order/OrderDocument.h"
#include "print/PdfPrintJobs.h"
#include "print/PrintUtils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

namespace qv::cli {

namespace {

constexpr const char *kAufruf = "Aufruf: quellvantar-cli drucken auftrag AUFTRAG.ORv AUS.pdf\n"
                                "       quellvantar-cli drucken kunde (Kunde.cfg | AUFTRAG.ORv) AUS.pdf\n";

int aufruf(Streams &io)
{
    io.err << kAufruf;
    return 2;
}

// The order e-mail address from the product configuration the program uses.
QString eMailAdresse()
{
    TKonfiguration konfiguration;
    konfiguration.Laden(IniFile(programFolders().personalCopyOrShipped(QStringLiteral("QuellvantarConfig.cfg"))));
    return konfiguration.EMailAdresse;
}

} // namespace

// drucken auftrag|kunde EIN AUS.pdf: the order or customer data sheet as a PDF file.
int runDrucken(const QStringList &args, Streams &io)
{
    if (HilfeGewuenscht(args)) {
        io.out << kAufruf;
        return 0;
    }
    QStringList dateien, optionen;
    if (!TrenneArgumente(args, {}, dateien, optionen) || dateien.size() != 3)
        return aufruf(io);
    const QString blatt = dateien[0];
    if (blatt != u"auftrag" && blatt != u"kunde")
        return aufruf(io);
    const QString ein = dateien[1];
    const QString aus = dateien[2];

    if (AusgabeIstEingabe(aus, {ein}, io))
        return 1;

    std::unique_ptr<OrderDocument> auftrag;
    TKundenDaten kundenDatei;
    TAuftragsdatenRec keineAuftragsdaten;
    const bool istAuftrag = blatt == u"auftrag" || ein.right(4).toUpper() == u".ORV";
    if (istAuftrag) {
        auftrag = LadeAuftrag(ein, io);
        if (!auftrag)
            return 1;
    } else if (const Result<void> r = kundenDatei.LadeDatei(ein); !r) {
        io.err << "Die Datei " << QDir::toNativeSeparators(ein) << " konnte nicht geladen werden\n" << r.error() << '\n';
        return 1;
    }

    // An order sheet goes with the parts made from it: an order that cannot be measured gets none.
    if (auftrag && blatt == u"auftrag") {
        if (const std::optional<QString> grund = NichtMessbar(ExportQuelleAusAuftrag(auftrag->Auftrag))) {
            io.err << *grund << " Das Auftragsblatt wird nicht gedruckt.\n";
            return 1;
        }
    }

    // Customer data converted from an order file before version 6 have no pick-up address.
    DruckDaten daten{auftrag ? auftrag->Auftrag.Auftragsdaten : keineAuftragsdaten,
                     auftrag ? auftrag->Auftrag.Kundendaten : kundenDatei,
                     auftrag ? auftrag->Auftrag.Auftragsart : TAuftragsart::Photonen,
                     eMailAdresse(),
                     !auftrag || !auftrag->Auftrag.OhneAbholadresse,
                     QDateTime::currentDateTime()};

    PdfPrintJobs pdf(aus);
    const Result<void> r = blatt == u"auftrag" ? DruckeAuftragsdaten(pdf, daten) : DruckeKundendaten(pdf, daten);
    if (!r) {
        io.err << r.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
