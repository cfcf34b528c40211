#include "core/design_faces.h"

#include <QList>

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

// The five faces of the designs, each with the name it has on Windows and the faces that stand in for it, closest
// look first.
struct DesignFace
{
    QString name;
    QString windowsName;
    QStringList standIns;
};

const QList<DesignFace> &designFaceTable()
{
    static const QList<DesignFace> table = {
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), SongFaces},
        {QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312"), KaiFaces + SongFaces},
        {QStringLiteral("隶书"), QStringLiteral("LiSu"), BrushFaces + SongFaces},
        {QStringLiteral("华文行楷"), QStringLiteral("STXingkai"), BrushFaces + SongFaces},
        {QStringLiteral("华文新魏"), QStringLiteral("STXinwei"), BrushFaces + SongFaces},
    };
    return table;
}

const DesignFace *findDesignFace(const QString &name)
{
    for (const DesignFace &face : designFaceTable()) {
        if (face.name == name)
            return &face;
    }
    return nullptr;
}

} // namespace

QStringList fontSubstitutes(const QString &designFamily, const QStringList &installedFamilies)
{
    QStringList chain;
    if (const DesignFace *face = findDesignFace(designFamily))
        chain = QStringList{face->windowsName} + face->standIns;
    chain += SansFaces;
    chain.removeDuplicates();
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
    static const QStringList faces = [] {
        QStringList names;
        for (const DesignFace &face : designFaceTable())
            names.append(face.name);
        return names;
    }();
    return faces;
}

bool isDesignFace(const QString &designFamily, const QString &used)
{
    const DesignFace *face = findDesignFace(designFamily);
    return used.compare(designFamily, Qt::CaseInsensitive) == 0 ||
           (face && used.compare(face->windowsName, Qt::CaseInsensitive) == 0);
}

} // namespace Dovrel
