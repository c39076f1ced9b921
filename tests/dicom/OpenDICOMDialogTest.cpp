#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomVorschau.h"
#include "dicom/TOpenDICOMDialog.h"

#include "FakeProgram.h"
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace qv;

namespace {

const QByteArray kItem = "(fffe,e000) na (Item)\n";
const QByteArray kItemEnd = "(fffe,e00d) na (ItemDelimitationItem)\n";
const QByteArray kSeqEnd = "(fffe,e0dd) na (SequenceDelimitationItem)\n";

QByteArray block(const char *name, const char *type, const char *data)
{
    return kItem + "(300a,00f8) CS [" + type + "]\n(300a,00fe) LO [" + name + "]\n(300a,0104) IS [" +
           QByteArray::number((QByteArray(data).count('\\') + 1) / 2) + "]\n(300a,0106) DS [" + data + "]\n" + kItemEnd;
}

// Beam 1: one shielding block in the upper right quarter; beam 2: an aperture around the axis
// and a compensator.
QByteArray planDump(const char *patient)
{
    return QByteArray("(0008,0060) CS [RTPLAN]\n(0010,0010) PN [") + patient + "]\n(0010,0020) LO [ID-" + patient + "]\n" +
           "(300a,00b0) SQ (Sequence)\n" + kItem + "(300a,00c2) LO [Feld 1]\n(300a,00f4) SQ (Sequence)\n" +
           block("Schild", "SHIELDING", "20\\20\\140\\20\\140\\140\\20\\140") + kSeqEnd + kItemEnd + kItem +
           "(300a,00c2) LO [Feld 2]\n(300a,00f4) SQ (Sequence)\n" + block("Blende", "APERTURE", "-50\\-50\\50\\-50\\50\\50\\-50\\50") +
           kSeqEnd + "(300a,00e3) SQ (Sequence)\n" + kItem + "(300a,00e4) IS [3]\n" + kItemEnd + kSeqEnd + kItemEnd + kSeqEnd;
}

/// Answers like dcmdump: files whose content starts with "PLAN:" are RT Plans with blocks whose
/// patient is the rest of the first line; everything else is a CT image.
ProgramOutput dcmdumpLike(const QStringList &arguments)
{
    QStringList files;
    for (const QString &a : arguments) {
        if (a.startsWith(u'/'))
            files.append(a);
    }
    const bool full = arguments.contains(QStringLiteral("+L"));
    QByteArray out;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QFile f(files[i]);
        f.open(QIODevice::ReadOnly);
        const QByteArray content = f.readLine().trimmed();
        out += (i ? "\n" : "") + QByteArray("# dcmdump (") + QByteArray::number(i + 1) + '/' +
               QByteArray::number(files.size()) + "): " + QFile::encodeName(files[i]) + '\n';
        if (!content.startsWith("PLAN:"))
            out += "(0008,0060) CS [CT]\n";
        else if (full)
            out += planDump(content.mid(5).constData());
        else
            out += "(0008,0060) CS [RTPLAN]\n(300a,00f4) SQ (Sequence)\n" + kSeqEnd;
    }
    return test::finished(out);
}

QTreeWidgetItem *child(QTreeWidgetItem *item, int index)
{
    return item ? item->child(index) : nullptr;
}

} // namespace

class OpenDICOMDialogTest : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        test::TempProgramFolder folder;
        test::FakeProgram program{dcmdumpLike};
        DcmdumpRunner runner{program, QStringLiteral("dcmdump")};
        test::ScriptedMessages messages;
        test::FakeFileChooser chooser;
        TOpenDICOMDialog dialog{runner, messages, chooser, folder.path()};

        Fixture()
        {
            dialog.SetImportDir(folder.path());
            dialog.SetFileType(QStringLiteral("Alle (*.*)"));
            dialog.SetTreeEnabled(true);
            dialog.resize(800, 400);
        }
        QTreeWidget *tree() { return dialog.findChild<QTreeWidget *>(QStringLiteral("TreeVDICMData")); }
        QTreeWidgetItem *root() { return tree()->topLevelItem(0); }
    };

private slots:
    void treeListsPatientsBeamsBlocksAndCompensators()
    {
        Fixture f;
        f.folder.write(QStringLiteral("plan.dcm"), "PLAN:Muster^Max\n");
        f.folder.write(QStringLiteral("ct.dcm"), "CT\n");
        f.dialog.UebersichtErstellen();
        QCOMPARE(f.program.calls.size(), 2); // one short run over both files, one full run for the plan
        QCOMPARE(f.root()->text(0), QStringLiteral("\\Importverzeichnis"));
        QCOMPARE(f.root()->childCount(), 1);
        QTreeWidgetItem *patient = child(f.root(), 0);
        QCOMPARE(patient->text(0), QStringLiteral("Muster^Max, ID-Muster^Max"));
        QCOMPARE(patient->childCount(), 2);
        QCOMPARE(child(patient, 0)->text(0), QStringLiteral("Feld 1"));
        QCOMPARE(child(child(patient, 0), 0)->text(0), QStringLiteral("Schild"));
        QCOMPARE(child(patient, 1)->childCount(), 2);
        QCOMPARE(child(child(patient, 1), 1)->text(0), QStringLiteral("Compensator: 3"));
        QVERIFY(!child(child(patient, 0), 0)->icon(0).isNull());
        QVERIFY(f.messages.shown().isEmpty());
    }

    void clicksShowThePreviewWithoutDumpingAgain()
    {
        Fixture f;
        f.folder.write(QStringLiteral("plan.dcm"), "PLAN:A\n");
        f.dialog.UebersichtErstellen();
        QTreeWidgetItem *patient = child(f.root(), 0);
        f.dialog.NodeClicked(child(child(patient, 1), 0));
        QCOMPARE(f.dialog.GetBeamIndex(), 1);
        f.dialog.NodeClicked(child(child(patient, 0), 0));
        QCOMPARE(f.dialog.GetBeamIndex(), 0);
        QCOMPARE(f.program.calls.size(), 2);

        // Shielding block: navy polygon on white, lime cross at the axis.
        QImage shield = f.dialog.VorschauBild();
        const int w = shield.width();
        const int h = shield.height();
        QCOMPARE(shield.pixelColor(w * 3 / 4, h / 4), kVorschauBlock);  // (750, 750) inside the block
        QCOMPARE(shield.pixelColor(w / 4, h * 3 / 4), QColor(Qt::white)); // (-750, -750) outside
        QCOMPARE(shield.pixelColor(w / 2, h / 2), kVorschauKreuz);

        // Aperture: the box navy, the opening white.
        f.dialog.NodeClicked(child(patient, 1));
        QImage aperture = f.dialog.VorschauBild();
        QCOMPARE(aperture.pixelColor(w / 10, h / 10), kVorschauBlock);
        QCOMPARE(aperture.pixelColor(w / 2 + w / 10, h / 2 + h / 20), QColor(Qt::white));

        // A patient click chooses no beam: "Öffnen" says the file is missing.
        f.dialog.NodeClicked(patient);
        QCOMPARE(f.dialog.GetBeamIndex(), -1);
        QVERIFY(f.dialog.VorschauBeam() == nullptr);
        f.dialog.btnOkayClick();
        QCOMPARE(f.messages.lastText(), QStringLiteral("Die Datei ist nicht vorhanden."));
        QCOMPARE(f.dialog.result(), int(QDialog::Rejected));

        f.dialog.NodeClicked(child(patient, 0));
        f.dialog.btnOkayClick();
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.dialog.GetFileName(), f.folder.file(QStringLiteral("plan.dcm")));
    }

    void deleteAsksAndRebuildsWhenTheLastPlanIsGone()
    {
        Fixture f;
        const QString plan = f.folder.write(QStringLiteral("plan.dcm"), "PLAN:Weg^Damit\n");
        f.dialog.UebersichtErstellen();
        QTreeWidgetItem *patient = child(f.root(), 0);
        f.dialog.NodeClicked(patient);
        f.messages.expectAnswer(Messages::Answer::No);
        f.dialog.acDeleteExecute();
        QCOMPARE(f.messages.lastText(), QStringLiteral("Möchten Sie die Datei des Patienten: Weg^Damit unwideruflich löschen?"));
        QVERIFY(QFile::exists(plan));

        QFile::remove(plan); // gone behind the dialog's back
        f.messages.expectAnswer(Messages::Answer::Yes);
        f.dialog.acDeleteExecute();
        QCOMPARE(f.messages.lastText(),
                 QStringLiteral("Die Datei %1 kann nicht gelöscht werden (Schreibgeschützt!?)").arg(plan));

        f.folder.write(QStringLiteral("plan.dcm"), "PLAN:Weg^Damit\n");
        f.messages.expectAnswer(Messages::Answer::Yes);
        f.dialog.acDeleteExecute();
        QVERIFY(!QFile::exists(plan));
        QCOMPARE(f.root()->childCount(), 0);
        QCOMPARE(f.dialog.GetBeamIndex(), -1);
        QCOMPARE(f.messages.pendingAnswers(), 0);
    }

    void theDialogIsLockedWhileItReads()
    {
        Fixture f;
        f.folder.write(QStringLiteral("plan.dcm"), "PLAN:A\n");
        TOpenDICOMDialog *reading = nullptr;
        QTreeWidgetItem *beam = nullptr;
        bool busy = false;
        test::FakeProgram slow([&](const QStringList &arguments) {
            // Everything a person can do while dcmdump runs is refused.
            busy = reading->Busy();
            reading->reject();
            reading->NodeClicked(beam);
            reading->btnOkayClick();
            reading->UebersichtErstellen();
            return dcmdumpLike(arguments);
        });
        DcmdumpRunner runner(slow, QStringLiteral("dcmdump"));
        TOpenDICOMDialog dialog(runner, f.messages, f.chooser, f.folder.path());
        reading = &dialog;
        dialog.SetImportDir(f.folder.path());
        dialog.show();
        dialog.UebersichtErstellen();
        beam = child(child(dialog.findChild<QTreeWidget *>(QStringLiteral("TreeVDICMData"))->topLevelItem(0), 0), 0);
        QVERIFY(beam);
        slow.calls.clear();
        dialog.UebersichtErstellen();
        QVERIFY(busy);
        QCOMPARE(slow.calls.size(), 2); // no second read started from inside the first
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.Busy());
        QCOMPARE(dialog.GetBeamIndex(), -1);
        QCOMPARE(f.messages.shown().size(), 0);
    }

    void errorsAndAnEmptyFolderLeaveTheDialogUsable()
    {
        Fixture f;
        f.dialog.UebersichtErstellen();
        QCOMPARE(f.program.calls.size(), 0);
        QCOMPARE(f.root()->childCount(), 0);

        f.folder.write(QStringLiteral("plan.dcm"), "PLAN:A\n");
        ProgramOutput missing;
        missing.message = QStringLiteral("kein Programm");
        f.program.queue(missing);
        f.dialog.UebersichtErstellen();
        QCOMPARE(f.messages.lastText(), QStringLiteral("Fehler beim Erstellen der Übersicht.\n\r"
                                                       "dcmdump konnte nicht gestartet werden (dcmdump): kein Programm"));
        QVERIFY(!f.dialog.Busy());

        f.chooser.expectPath(f.folder.path());
        f.dialog.btnChangeDirClick();
        QCOMPARE(f.root()->childCount(), 1);
        QCOMPARE(f.chooser.calls().at(0).title, QStringLiteral("Bitte wählen Sie ein Verzeichnis:"));
    }
};

QTEST_MAIN(OpenDICOMDialogTest)
#include "OpenDICOMDialogTest.moc"
