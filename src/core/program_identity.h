#pragma once

#include <QString>

namespace Dovrel {

// The program's name, the title of its windows and of its messages.
QString applicationTitle();

// The version the program is built as (the project's version in the build).
QString programVersion();

} // namespace Dovrel
