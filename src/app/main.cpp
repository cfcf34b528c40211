#include "menu/program.h"
#include "platform/qt_platform.h"
#include "shell/qt_process.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    Dovrel::setUpQtApplication();

    Dovrel::QtPlatform platform;
    Dovrel::Program app(QApplication::applicationDirPath(), platform);
    QObject::connect(&app, &Dovrel::Application::exitRequested, &qtApp, [] { QApplication::exit(0); });
    app.start();
    return QApplication::exec();
}
