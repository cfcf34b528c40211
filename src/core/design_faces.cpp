#include "core/design_faces.h"

#include <QHash>

namespace Dovrel {

namespace {

// Fallbacks of last resort, present on nearly every free system with Chinese.
const QStringList SansFaces = {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                               QStringLiteral("Microsoft YaHei"), QStringLiteral("Droid Sans Fallback")};
// Song (Ming) faces with serifs, for text set in 宋体.
const QStringList SongFaces = {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                               QStringLiteral("Source Han Serif SC"), QStringLiteral("AR PL UMing CN")};
// Kai faces for 楷体_GB2312. LXGW WenKai first: its Latin letters and digits read well in the menu's title and
// version line, where AR PL UKai's make "Dovrel" look like "Dovre1".
const QStringList KaiFaces = {QStringLiteral("KaiTi"), QStringLiteral("楷体"), QStringLiteral("LXGW WenKai"),
                              QStringLiteral("AR PL UKai CN")};
// The free systems have no clerical, running-script or Wei face, so the Chinese titles set in 隶书, 华文行楷 and
// 华文新魏 keep a brush look in the most calligraphic Kai face there is.
const QStringList BrushFaces = {QStringLiteral("KaiTi"), QStringLiteral("楷体"), QStringLiteral("AR PL UKai CN"),
                                QStringLiteral("LXGW WenKai")};

} // namespace

QStringList fontSubstitutes(const QString &designFamily, const QStringList &installedFamilies)
{
    const QHash<QString, QStringList> preferred = {
        {QStringLiteral("宋体"), SongFaces},
        {QStringLiteral("楷体_GB2312"), QStringList{QStringLiteral("KaiTi_GB2312")} + KaiFaces + SongFaces},
        {QStringLiteral("隶书"), QStringList{QStringLiteral("LiSu")} + BrushFaces + SongFaces},
        {QStringLiteral("华文行楷"), QStringList{QStringLiteral("STXingkai")} + BrushFaces + SongFaces},
        {QStringLiteral("华文新魏"), QStringList{QStringLiteral("STXinwei")} + BrushFaces + SongFaces},
    };
    const QStringList chain = preferred.value(designFamily) + SansFaces;
    QStringList installed;
    for (const QString &candidate : chain) {
        if (installedFamilies.contains(candidate, Qt::CaseInsensitive))
            installed.append(candidate);
    }
    // With none of them installed the whole chain stays, for fonts added while the program runs.
    return installed.isEmpty() ? chain : installed;
}

const QStringList &designFaces()
{
    static const QStringList faces = {QStringLiteral("宋体"), QStringLiteral("楷体_GB2312"), QStringLiteral("隶书"),
                                      QStringLiteral("华文行楷"), QStringLiteral("华文新魏")};
    return faces;
}

bool isDesignFace(const QString &designFamily, const QString &used)
{
    static const QHash<QString, QString> latinNames = {
        {QStringLiteral("宋体"), QStringLiteral("SimSun")},
        {QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312")},
        {QStringLiteral("隶书"), QStringLiteral("LiSu")},
        {QStringLiteral("华文行楷"), QStringLiteral("STXingkai")},
        {QStringLiteral("华文新魏"), QStringLiteral("STXinwei")},
    };
    const QString latinName = latinNames.value(designFamily);
    return used.compare(designFamily, Qt::CaseInsensitive) == 0 ||
           (!latinName.isEmpty() && used.compare(latinName, Qt::CaseInsensitive) == 0);
}

} // namespace Dovrel
