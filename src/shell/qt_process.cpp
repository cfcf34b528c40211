#include "shell/qt_process.h"

#include "core/design_faces.h"
#include "core/program_identity.h"
#include "core/system_time.h"
#include "shell/shared_palette_style.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace Dovrel {

void installFontSubstitutes()
{
    // Installed design faces get theirs too: the substitutes are also where a character the face lacks is looked for.
    const QStringList families = QFontDatabase::families();
    for (const QString &name : designFaces()) {
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, fontSubstitutes(name, families));
    }
}

void installChineseQtTranslation()
{
    // The interface is Chinese whatever the system's language, so Qt's own dialogs are too.
    const QString objectName = QStringLiteral("dovrelQtTranslation");
    QCoreApplication *qtApp = QCoreApplication::instance();
    if (!qtApp || qtApp->findChild<QTranslator *>(objectName, Qt::FindDirectChildrenOnly))
        return;
    // Owned by the Qt application, so it lasts the run.
    auto *candidate = new QTranslator(qtApp);
    candidate->setObjectName(objectName);
    const QString fileName = QStringLiteral("qtbase_zh_CN");
    // Beside the program first, where a Windows deployment puts Qt's translations.
    const QStringList directories = {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &directory : directories) {
        if (candidate->load(fileName, directory)) {
            QCoreApplication::installTranslator(candidate);
            return;
        }
    }
    delete candidate;
}

void installProgramLocale()
{
    // A Chinese system keeps its own formats; any other would put English dates and sizes into a Chinese program.
    const QLocale locale = programLocale();
    if (locale != QLocale::system())
        QLocale::setDefault(locale);
}

void setUpQtApplication()
{
    QApplication::setApplicationName(QStringLiteral("Dovrel"));
    QApplication::setApplicationVersion(programVersion());
    QApplication::setStyle(new SharedPaletteStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QApplication::setQuitOnLastWindowClosed(false);
    // The faces that stand in for the brush faces have no bold of their own; Qt draws one for them, but on its own
    // only below 64 pixels, and the hall's headings and clocks are larger.
    qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
    installFontSubstitutes();
    installChineseQtTranslation();
    installProgramLocale();
}

} // namespace Dovrel
