#include "core/design_faces.h"

#include <QList>

namespace Dovrel {

namespace {

// A face as the systems list it: by its Latin name, and on a Chinese Windows (or Wine under zh_CN) by its Chinese
// one; either may be empty.
struct Face
{
    QString latin;
    QString chinese;
};
using Faces = QList<Face>;

// Fallbacks of last resort, present on nearly every free system with Chinese.
const Faces SansFaces = {{QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("文泉驿正黑")},
                         {QStringLiteral("Noto Sans CJK SC"), QString()},
                         {QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑")},
                         {QStringLiteral("Droid Sans Fallback"), QString()}};
// Song (Ming) faces with serifs, for text set in 宋体.
const Faces SongFaces = {{QStringLiteral("SimSun"), QStringLiteral("宋体")},
                         {QStringLiteral("Noto Serif CJK SC"), QString()},
                         {QStringLiteral("Source Han Serif SC"), QStringLiteral("思源宋体")},
                         {QStringLiteral("AR PL UMing CN"), QString()}};
// Kai faces for 楷体_GB2312. LXGW WenKai first: its Latin letters and digits read well in the menu's title and
// version line, where AR PL UKai's make "Dovrel" look like "Dovre1".
const Faces KaiFaces = {{QStringLiteral("KaiTi"), QStringLiteral("楷体")},
                        {QStringLiteral("LXGW WenKai"), QStringLiteral("霞鹜文楷")},
                        {QStringLiteral("AR PL UKai CN"), QString()}};
// The free systems have no clerical, running-script or Wei face, so the Chinese titles set in 隶书, 华文行楷 and
// 华文新魏 keep a brush look in the most calligraphic Kai face there is.
const Faces BrushFaces = {{QStringLiteral("KaiTi"), QStringLiteral("楷体")},
                          {QStringLiteral("AR PL UKai CN"), QString()},
                          {QStringLiteral("LXGW WenKai"), QStringLiteral("霞鹜文楷")}};
// Names in rare characters (𠀀, 𠮷) lie beyond the basic CJK block, which the faces above mostly end with: Windows has
// SimSun-ExtB for them, the free systems BabelStone Han.
const Faces ExtensionFaces = {{QStringLiteral("SimSun-ExtB"), QString()},
                              {QStringLiteral("BabelStone Han"), QString()}};

// The five faces of the designs, each with the faces that stand in for it, closest look first.
struct DesignFace
{
    Face face;
    Faces standIns;
};

const QList<DesignFace> &designFaceTable()
{
    static const QList<DesignFace> table = {
        {{QStringLiteral("SimSun"), QStringLiteral("宋体")}, SongFaces},
        {{QStringLiteral("KaiTi_GB2312"), QStringLiteral("楷体_GB2312")}, KaiFaces + SongFaces},
        {{QStringLiteral("LiSu"), QStringLiteral("隶书")}, BrushFaces + SongFaces},
        {{QStringLiteral("STXingkai"), QStringLiteral("华文行楷")}, BrushFaces + SongFaces},
        {{QStringLiteral("STXinwei"), QStringLiteral("华文新魏")}, BrushFaces + SongFaces},
    };
    return table;
}

bool sameName(const QString &a, const QString &b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isFace(const Face &face, const QString &name)
{
    return sameName(face.latin, name) || sameName(face.chinese, name);
}

const DesignFace *findDesignFace(const QString &name)
{
    for (const DesignFace &design : designFaceTable()) {
        if (isFace(design.face, name))
            return &design;
    }
    return nullptr;
}

// The name under which `face` is installed, or none.
QString installedName(const Face &face, const QStringList &installedFamilies)
{
    for (const QString &family : installedFamilies) {
        if (isFace(face, family))
            return family;
    }
    return QString();
}

} // namespace

QStringList fontSubstitutes(const QString &designFamily, const QStringList &installedFamilies)
{
    Faces chain;
    const DesignFace *design = findDesignFace(designFamily);
    if (design)
        chain = Faces{design->face} + design->standIns;
    chain += SansFaces;
    QStringList installed;
    QStringList wanted;
    for (const Face &face : chain) {
        const QString name = installedName(face, installedFamilies);
        if (!name.isEmpty() && !installed.contains(name))
            installed.append(name);
        if (!wanted.contains(face.latin))
            wanted.append(face.latin);
    }
    // With none of them installed the whole chain stays, for fonts added while the program runs.
    QStringList substitutes = installed.isEmpty() ? wanted : installed;
    // The faces of the rarer characters come last, where they only serve what the faces before them lack.
    for (const Face &face : ExtensionFaces) {
        const QString name = installedName(face, installedFamilies);
        substitutes.append(name.isEmpty() ? face.latin : name);
    }
    return substitutes;
}

const QStringList &designFaces()
{
    static const QStringList faces = [] {
        QStringList names;
        for (const DesignFace &design : designFaceTable())
            names.append(design.face.chinese);
        return names;
    }();
    return faces;
}

bool isDesignFace(const QString &designFamily, const QString &used)
{
    const DesignFace *design = findDesignFace(designFamily);
    return sameName(designFamily, used) || (design && isFace(design->face, used));
}

} // namespace Dovrel
