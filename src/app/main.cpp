#include "platform/qt_platform.h"
#include "shell/application.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dovrel"));
    QApplication::setApplicationVersion(QStringLiteral(DOVREL_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The program ends when the main menu says so, not when its last window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    Dovrel::installFontSubstitutes();

    Dovrel::QtPlatform platform;
    Dovrel::Application app(QApplication::applicationDirPath(), platform);
    QObject::connect(&app, &Dovrel::Application::exitRequested, &qtApp, [] { QApplication::exit(0); });
    app.start();
    return QApplication::exec();
}
