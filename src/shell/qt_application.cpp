#include "shell/application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QFontDatabase>

namespace Dovrel {

void installFontSubstitutes()
{
    // The same face under its Latin name where a system has it, then the CJK faces of free systems.
    const QStringList fallbacks = {QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC"),
                                   QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                                   QStringLiteral("Droid Sans Fallback")};
    const QList<QPair<QString, QString>> designFonts = {
        {QStringLiteral("宋体"), QStringLiteral("SimSun")},
        {QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312")},
        {QStringLiteral("隶书"), QStringLiteral("LiSu")},
        {QStringLiteral("华文行楷"), QStringLiteral("STXingkai")},
        {QStringLiteral("华文新魏"), QStringLiteral("STXinwei")},
    };
    const QStringList families = QFontDatabase::families();
    for (const auto &[name, latinName] : designFonts) {
        if (families.contains(name))
            continue;
        QStringList installed;
        for (const QString &candidate : QStringList{latinName} + fallbacks) {
            if (families.contains(candidate))
                installed.append(candidate);
        }
        QFont::insertSubstitutions(name, installed.isEmpty() ? fallbacks : installed);
    }
}

void setUpQtApplication()
{
    QApplication::setApplicationName(QStringLiteral("Dovrel"));
    QApplication::setApplicationVersion(QStringLiteral(DOVREL_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
}

} // namespace Dovrel
