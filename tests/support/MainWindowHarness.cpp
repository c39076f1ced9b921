#include "support/MainWindowHarness.h"

#include "app/TAblaufPanel.h"
#include "base/SystemClock.h"
#include "order/TAuftragsArtForm.h"
#include "support/CompleteCustomer.h"
#include "support/FixedClock.h"
#include "support/ModalDialog.h"
#include "support/WidgetChild.h"
#include "workspace/TScaleForm.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace qv::test {

MainWindowHarness::~MainWindowHarness()
{
    form.reset();
    app.reset();
}

void MainWindowHarness::startApplication(const MainWindowOptions &options)
{
    if (options.config)
        folder.write(QStringLiteral("QuellvantarConfig.cfg"), *options.config);
    if (options.settings)
        folder.write(QStringLiteral("QuellvantarIni.ini"), *options.settings);
    if (options.completeCustomer && !writeCompleteCustomer(folder.path()))
        qFatal("Kunde.cfg not written");
    if (options.fixedTime)
        clock = std::make_unique<FixedClock>(*options.fixedTime);
    else
        clock = std::make_unique<SystemClock>();
    app = std::make_unique<Application>(folder.path(), messages, chooser, *clock);
}

void MainWindowHarness::start(const MainWindowOptions &options)
{
    startApplication(options);
    form = std::make_unique<TMainForm>(*app);
    if (!options.startFile.isEmpty())
        form->StartDateiSetzen(options.startFile);
    if (!options.show)
        return;
    form->resize(1100, 800);
    form->show();
    form->FormShow();
}

QString MainWindowHarness::writeScreenshot()
{
    QImage bild(600, 450, QImage::Format_RGB32);
    bild.fill(Qt::lightGray);
    screenshotPath = folder.file(QStringLiteral("screenshot.png"));
    if (!bild.save(screenshotPath, "PNG"))
        qFatal("screenshot.png not written");
    return screenshotPath;
}

TPaintBox *MainWindowHarness::paintBox()
{
    return child<TPaintBox>(*form, "PaintBox");
}

QPoint MainWindowHarness::devicePoint(QPoint workspacePoint)
{
    return paintBox()->abbildung().arbeitZuGeraet(QPointF(workspacePoint)).toPoint();
}

QPoint MainWindowHarness::workspacePoint(QPoint devicePoint)
{
    return paintBox()->abbildung().geraetZuArbeit(QPointF(devicePoint));
}

void MainWindowHarness::mouse(QEvent::Type type, QPoint workspacePoint, Qt::MouseButton button,
                              Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    TPaintBox *box = paintBox();
    const QPointF at = devicePoint(workspacePoint);
    QMouseEvent e(type, at, box->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(box, &e);
}

void MainWindowHarness::click(QPoint workspacePoint, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    mouse(QEvent::MouseButtonPress, workspacePoint, button, button, modifiers);
    mouse(QEvent::MouseButtonRelease, workspacePoint, button, Qt::NoButton, modifiers);
}

void MainWindowHarness::traceUpToIsocentre()
{
    if (screenshotPath.isEmpty())
        writeScreenshot();
    whenModal<TAuftragsArtForm>([](TAuftragsArtForm &d) { d.BTN_OKClick(); });
    panel().knopfKlicken(Befehl::Auftragsart);
    chooser.expectPath(screenshotPath);
    panel().knopfKlicken(Befehl::BildEinlesen);
    panel().knopfKlicken(Befehl::IsozentrumEingeben);
    click(QPoint(0, 0));
}

void MainWindowHarness::traceUpToScale()
{
    traceUpToIsocentre();
    whenModal<TScaleForm>([](TScaleForm &d) {
        child<QLineEdit>(d, "E_Abstand")->setText(QStringLiteral("10"));
        child<QPushButton>(d, "btn_OK")->click();
    });
    panel().knopfKlicken(Befehl::MassstabEingeben);
    click(QPoint(-150, 0));
    click(QPoint(150, 0));
}

void MainWindowHarness::traceSquareContour()
{
    panel().knopfKlicken(Befehl::KonturEingabe);
    for (const QPoint corner : {QPoint(-60, -60), QPoint(60, -60), QPoint(60, 60), QPoint(-60, 60)})
        click(corner);
    click(QPoint(0, 0), Qt::RightButton);
    click(QPoint(0, 0), Qt::RightButton);
}

} // namespace qv::test
