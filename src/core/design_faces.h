#pragma once

#include <QStringList>

namespace Dovrel {

// The installed faces that stand in for a font name of the designs, closest look first: a serif Song face for
// 宋体, a Kai face for 楷体_GB2312 and for the brush faces 隶书, 华文行楷 and 华文新魏, then sans faces, and last
// the faces of the characters beyond the basic CJK block. A face is found under its Latin or its Chinese name and
// given as the system lists it.
QStringList fontSubstitutes(const QString &designFamily, const QStringList &installedFamilies);

// The five faces the designs name: 宋体, 楷体_GB2312, 隶书, 华文行楷, 华文新魏.
const QStringList &designFaces();
// Whether `used` is the design face itself, under its Chinese or its Latin name ("宋体", "SimSun").
bool isDesignFace(const QString &designFamily, const QString &used);

} // namespace Dovrel
