#pragma once

#include "app/Application.h"
#include "app/TMainForm.h"
#include "base/Clock.h"
#include "support/FakeFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"
#include "workspace/TPaintBox.h"

#include <QByteArray>
#include <QDateTime>
#include <QEvent>
#include <QPoint>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

namespace qv {
class TAblaufPanel;
class TAuftrag;
} // namespace qv

namespace qv::test {

/// How a test's program folder is filled and its main window started. The defaults suit
/// most tests; the with… setters change one thing each and can be chained.
struct MainWindowOptions
{
    /// QuellvantarConfig.cfg; none is written without it.
    std::optional<QByteArray> config = QByteArray("[Init]\r\nWebsite=www.zarn.example\r\n");
    /// QuellvantarIni.ini; none is written without it. The default keeps the start assistant
    /// and the help window closed.
    std::optional<QByteArray> settings = QByteArray("[Init]\r\nStartAssistent=0\r\nHelp=0\r\n");
    /// Kunde.cfg with every required field filled, so that the start neither greets a first
    /// start nor asks for missing customer data.
    bool completeCustomer = true;
    /// "Now" for the run; the computer's clock without it.
    std::optional<QDateTime> fixedTime;
    /// An order file named on the command line, opened by the start.
    QString startFile;
    /// Resizes the window to 1100 x 800, shows it and runs the start; without it the window
    /// is only constructed.
    bool show = true;

    MainWindowOptions &withConfig(std::optional<QByteArray> text)
    {
        config = std::move(text);
        return *this;
    }
    MainWindowOptions &withSettings(std::optional<QByteArray> text)
    {
        settings = std::move(text);
        return *this;
    }
    MainWindowOptions &withCompleteCustomer(bool write)
    {
        completeCustomer = write;
        return *this;
    }
    MainWindowOptions &withFixedTime(QDateTime now)
    {
        fixedTime = std::move(now);
        return *this;
    }
    MainWindowOptions &withStartFile(QString file)
    {
        startFile = std::move(file);
        return *this;
    }
    MainWindowOptions &withoutShowing()
    {
        show = false;
        return *this;
    }
};

/// The main window in a program folder of its own, with the scripted message double and the
/// file chooser double, and the helpers that press, click and read as a person at the
/// window would. The folder exists from construction on, so that a test can put files into
/// it before it starts the application and the window.
class MainWindowHarness
{
public:
    MainWindowHarness() = default;
    MainWindowHarness(const MainWindowHarness &) = delete;
    MainWindowHarness &operator=(const MainWindowHarness &) = delete;
    /// The window goes before the application whose data it works on.
    ~MainWindowHarness();

    /// Writes the files the options ask for and constructs the application object.
    void startApplication(const MainWindowOptions &options = {});
    /// startApplication, then the main window as the options say.
    void start(const MainWindowOptions &options = {});

    /// A 600 x 450 light-grey screenshot.png in the folder; returns its path.
    QString writeScreenshot();

    TAblaufPanel &panel() { return form->ablaufPanel(); }
    TAuftrag &order() { return app->Auftrag(); }
    /// The workspace's painting surface, where the mouse acts.
    TPaintBox *paintBox();
    /// A workspace point on the painting surface, in whole pixels as a mouse reports it.
    QPoint devicePoint(QPoint workspacePoint);
    QPoint workspacePoint(QPoint devicePoint);

    /// One mouse event at a workspace point.
    void mouse(QEvent::Type type, QPoint workspacePoint, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Press and release at a workspace point.
    void click(QPoint workspacePoint, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    /// The first steps of an order traced on an image: the proposed order type confirmed, the
    /// screenshot read (written first if there is none yet) and the isocentre set at its centre.
    void traceUpToIsocentre();
    /// traceUpToIsocentre, then a scale of 10 mm over 300 units (3 units per millimetre).
    void traceUpToScale();
    /// A square contour with its corners 60 units (20 mm at that scale) from the isocentre,
    /// closed and its input ended with two right clicks.
    void traceSquareContour();

    TempProgramFolder folder;
    ScriptedMessages messages;
    FakeFileChooser chooser;
    QString screenshotPath;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Application> app;
    std::unique_ptr<TMainForm> form;
};

} // namespace qv::test
