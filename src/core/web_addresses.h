#pragma once

#include <QString>

namespace Dovrel {

// The program's own web page, fixed when the program is built (the DOVREL_HOME_URL build setting).
QString homeAddress();

// The page that lists the released versions, under the home page.
QString newVersionAddress();

} // namespace Dovrel
