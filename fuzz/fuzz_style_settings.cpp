// The styling files of the title and audience screens: read, written back, read again. Font names, sizes and
// colours must come back equal, and a value that was not a number must stay unset.
#include "core/app_paths.h"
#include "core/settings_files.h"
#include "core/single_line.h"
#include "support.h"

using namespace Dovrel;

namespace {

// A font name comes back on one line: the writer puts a blank for a carriage return the reader kept.
bool operator==(const TextStyle &a, const TextStyle &b)
{
    return oneLine(a.fontName) == oneLine(b.fontName) && a.fontSize == b.fontSize && a.colour == b.colour;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    const AppPaths paths(Fuzz::applicationDir());

    Fuzz::writeConfigFile(SettingsFiles::NameSet, input);
    const TitleStyle title = readTitleStyle(paths);
    if (!writeTitleStyle(paths, title).ok)
        Fuzz::fail("the title style could not be saved");
    const TitleStyle titleAgain = readTitleStyle(paths);
    if (!(titleAgain.zoneOne == title.zoneOne) || !(titleAgain.zoneTwo == title.zoneTwo) ||
        titleAgain.background != title.background)
        Fuzz::fail("a round trip changed the title style");

    Fuzz::writeConfigFile(SettingsFiles::ViwerSet, input);
    const AudienceStyle audience = readAudienceStyle(paths);
    if (!writeAudienceStyle(paths, audience).ok)
        Fuzz::fail("the audience style could not be saved");
    const AudienceStyle audienceAgain = readAudienceStyle(paths);
    if (!(audienceAgain.text == audience.text) || audienceAgain.background != audience.background)
        Fuzz::fail("a round trip changed the audience style");
    return 0;
}
