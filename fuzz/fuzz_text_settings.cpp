// The settings files of the three settings pages and the scores: read, written back, read again. A round trip
// loses nothing but the carriage returns a value held (a lone CR is no line end to the reader, and the writer puts a
// blank for every line break), and writing the same values again gives the same bytes.
#include "core/app_paths.h"
#include "core/settings_files.h"
#include "core/single_line.h"
#include "support.h"

#include <iterator>

using namespace Dovrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    const AppPaths paths(Fuzz::applicationDir());
    const std::pair<QString, int> files[] = {
        {SettingsFiles::NumSet, SettingsFiles::NumSetLines},
        {SettingsFiles::TimeSet, SettingsFiles::TimeSetLines},
        {SettingsFiles::SoundSet, SettingsFiles::SoundSetLines},
        {SettingsFiles::Score, SettingsFiles::ScoreLines},
    };
    // One file per input, chosen by its length, so the fuzzer spends its time on contents rather than on four saves.
    const auto &[fileName, count] = files[size % std::size(files)];
    Fuzz::writeConfigFile(fileName, input);
    const QStringList values = readTextSettings(paths, fileName, count);
    if (values.size() != count)
        Fuzz::fail("a file read into the wrong number of values");
    if (!writeTextSettings(paths, fileName, values).ok)
        Fuzz::fail("a save failed");
    const QByteArray written = Fuzz::readConfigFile(fileName);
    QStringList oneLineValues;
    for (const QString &value : values)
        oneLineValues.append(oneLine(value));
    if (readTextSettings(paths, fileName, count) != oneLineValues)
        Fuzz::fail("a round trip changed a value");
    if (!writeTextSettings(paths, fileName, values).ok || Fuzz::readConfigFile(fileName) != written)
        Fuzz::fail("the same values were written as other bytes");
    return 0;
}
