// The yardstick of the start-up benchmark: a Qt Widgets program that shows one window of the
// main window's size and ends after its first paint, as the program does under QV_START_MESSEN.
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

class Fenster : public QLabel
{
public:
    Fenster() : QLabel(QStringLiteral("Fenster")) { resize(1024, 768); }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_gemalt) {
            m_gemalt = true;
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return QLabel::event(e);
    }

private:
    bool m_gemalt = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Fenster f;
    f.show();
    return app.exec();
}
