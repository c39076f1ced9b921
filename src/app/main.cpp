#include "base/UtilsUnit.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    w.resize(1024, 768);
    w.show();
    return app.exec();
}
