// The preview the command line writes for the file manager against what the workspace shows
// of the same order: an order of each work mode is opened in the main window, its paint box
// grabbed and scaled to the preview's size; the contours and the electron frame must lie in
// the same places, within a few pixels.
#include "contour/TKontur.h"
#include "support/CliRun.h"
#include "support/MainWindowHarness.h"
#include "support/TestData.h"
#include "workspace/LinealBild.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace qv;
using namespace Qt::StringLiterals;
using test::CliRun;
using test::runCli;

namespace {

QByteArray shippedConfig()
{
    QFile f(test::buildDir() + u"/QuellvantarConfig.cfg"_s);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool hasColour(const QImage &image, int x, int y, QRgb colour)
{
    return image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
}

// The pixels of one colour; with areasOnly those whose eight neighbours have it too, so that
// thin lines of the same colour (the red scale bar beside a red contour) drop out.
QRect boundingBox(const QImage &image, QRgb colour, bool areasOnly)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            bool inside = hasColour(image, x, y, colour);
            for (int dy = -1; inside && areasOnly && dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    inside = inside && hasColour(image, x + dx, y + dy, colour);
            if (inside)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

QString demoKunde()
{
    return test::buildDir() + u"/DemoKunde.cfg"_s;
}

// An order from JSON of info's shape and a picture, through the command line.
QString writeOrder(const test::TempProgramFolder &dir, const QString &name, const QJsonObject &json, const QImage &bild)
{
    const QString bildPfad = dir.file(name + u".png"_s);
    bild.save(bildPfad);
    const QString aus = dir.file(name + u".ORv"_s);
    const CliRun r = runCli({u"auftrag-schreiben"_s, dir.write(name + u".json"_s, QJsonDocument(json).toJson()), bildPfad, aus});
    if (r.exitCode != 0)
        qWarning() << r.errText();
    return aus;
}

QJsonObject sampleJson()
{
    return runCli({u"info"_s, test::buildDir() + u"/Beispielauftrag.ORv"_s}).json();
}

QJsonArray punkte(std::initializer_list<QPoint> liste)
{
    QJsonArray a;
    for (const QPoint &p : liste)
        a.append(QJsonArray{p.x(), p.y()});
    return a;
}

} // namespace

class VorschauWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void thePreviewShowsWhatTheWorkspaceShows_data();
    void thePreviewShowsWhatTheWorkspaceShows();

private:
    test::TempProgramFolder m_dateien;
};

void VorschauWindowTest::thePreviewShowsWhatTheWorkspaceShows_data()
{
    QTest::addColumn<QString>("auftrag");
    QTest::addColumn<bool>("mitRahmen");

    // Mode 0: the shipped sample, a photon order traced on a screenshot.
    QTest::newRow("Bildvorlage") << test::buildDir() + u"/Beispielauftrag.ORv"_s << false;

    // Mode 0 as an electron order, with the frame around the aperture.
    QJsonObject elektronen = sampleJson();
    elektronen[u"Auftragsart"] = 0;
    QJsonObject daten = elektronen[u"Auftragsdaten"].toObject();
    daten[u"TragplatteRahmen"] = u"Varian_T10"_s;
    elektronen[u"Auftragsdaten"] = daten;
    QImage hell(1000, 700, QImage::Format_RGB32);
    hell.fill(QColor(225, 225, 225));
    QTest::newRow("Bildvorlage Elektronen") << writeOrder(m_dateien, u"elektronen"_s, elektronen, hell) << true;

    // Mode 1: shapes on the ruler image (isocentre in the middle, 3 pixels per millimetre).
    QJsonObject lineal = sampleJson();
    lineal[u"Isozentrum"] = QJsonArray{0, 0};
    lineal[u"MassstabPunkt1"] = QJsonArray{-300, 0};
    lineal[u"MassstabPunkt2"] = QJsonArray{300, 0};
    lineal[u"MassstabAbstand"] = 200;
    lineal[u"Konturen"] = QJsonArray{
        QJsonObject{{u"Nummer"_s, 1}, {u"Geschlossen"_s, true}, {u"Punkte"_s, punkte({{-240, 150}, {-60, 150}, {-60, 30}, {-240, 30}, {-240, 150}})}},
        QJsonObject{{u"Nummer"_s, 2}, {u"Geschlossen"_s, true}, {u"Punkte"_s, punkte({{90, -60}, {300, -60}, {200, -270}, {90, -60}})}}};
    QTest::newRow("ohne Vorlage") << writeOrder(m_dateien, u"lineal"_s, lineal, LinealBild()) << false;

    // Mode 2: a planning-system file's beam on the ruler image.
    const QString bpr = m_dateien.file(u"bpr.ORv"_s);
    const CliRun b = runCli({u"bpr-auftrag"_s, test::buildDir() + u"/DemoBPR/Plato_Demo.pla"_s, u"1"_s, bpr, u"--kunde"_s, demoKunde()});
    if (b.exitCode != 0)
        qWarning() << b.errText();
    QTest::newRow("BPR") << bpr << false;

    // Mode 3: a DICOM plan's electron aperture on the ruler image, with its frame.
    const QString dicom = m_dateien.file(u"dicom.ORv"_s);
    const CliRun d = runCli({u"dicom-auftrag"_s, test::buildDir() + u"/DemoDICOM/rtplan_electron_aperture_nose.dcm"_s,
                             u"0"_s, dicom, u"--art"_s, u"elektronen"_s, u"--kunde"_s, demoKunde()});
    if (d.exitCode != 0)
        qWarning() << d.errText();
    QTest::newRow("DICOM Elektronen") << dicom << true;
}

void VorschauWindowTest::thePreviewShowsWhatTheWorkspaceShows()
{
    QFETCH(QString, auftrag);
    QFETCH(bool, mitRahmen);
    QVERIFY(QFileInfo::exists(auftrag));

    const QString png = m_dateien.file(QFileInfo(auftrag).completeBaseName() + u"-vorschau.png"_s);
    const CliRun r = runCli({u"vorschau"_s, auftrag, png});
    QVERIFY2(r.exitCode == 0, qPrintable(r.errText()));
    const QImage vorschau = QImage(png).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!vorschau.isNull());

    test::MainWindowHarness h;
    h.start(test::MainWindowOptions().withConfig(shippedConfig()).withStartFile(auftrag));
    QVERIFY(h.order().hatVorlage());
    const QImage fenster = h.paintBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(fenster.width() > 2 * vorschau.width());
    // Nearest-neighbour scaling keeps the colours, so each layer can be found by its colour.
    const QImage skaliert = fenster.scaled(vorschau.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (qEnvironmentVariableIsSet("QV_DEBUG_DIR")) {
        fenster.save(qEnvironmentVariable("QV_DEBUG_DIR") + u'/' + QString::fromLatin1(QTest::currentDataTag()) + u"-fenster.png"_s);
        vorschau.save(qEnvironmentVariable("QV_DEBUG_DIR") + u'/' + QString::fromLatin1(QTest::currentDataTag()) + u"-vorschau.png"_s);
    }

    // The filled contours, and the frame's outline.
    QList<QRgb> farben{TKontur::Farbe(1).rgb(), TKontur::Farbe(2).rgb()};
    const QRgb rahmenFarbe = qRgb(207, 218, 255);
    if (mitRahmen)
        farben.append(rahmenFarbe);
    for (const QRgb farbe : farben) {
        const QRect erwartet = boundingBox(skaliert, farbe, farbe != rahmenFarbe);
        const QRect gezeichnet = boundingBox(vorschau, farbe, farbe != rahmenFarbe);
        const QByteArray was = QColor(farbe).name().toLatin1() + ": window " + QByteArray::number(erwartet.left()) + ','
                               + QByteArray::number(erwartet.top()) + ' ' + QByteArray::number(erwartet.width()) + 'x'
                               + QByteArray::number(erwartet.height()) + ", preview " + QByteArray::number(gezeichnet.left())
                               + ',' + QByteArray::number(gezeichnet.top()) + ' ' + QByteArray::number(gezeichnet.width())
                               + 'x' + QByteArray::number(gezeichnet.height());
        QVERIFY2(!erwartet.isEmpty() || farbe != TKontur::Farbe(1).rgb(), was.constData());
        QVERIFY2(erwartet.isEmpty() == gezeichnet.isEmpty(), was.constData());
        constexpr int kToleranz = 3;
        QVERIFY2(std::abs(erwartet.left() - gezeichnet.left()) <= kToleranz, was.constData());
        QVERIFY2(std::abs(erwartet.top() - gezeichnet.top()) <= kToleranz, was.constData());
        QVERIFY2(std::abs(erwartet.right() - gezeichnet.right()) <= kToleranz, was.constData());
        QVERIFY2(std::abs(erwartet.bottom() - gezeichnet.bottom()) <= kToleranz, was.constData());
    }
}

QTEST_MAIN(VorschauWindowTest)
#include "VorschauWindowTest.moc"
