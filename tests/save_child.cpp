// Saves a settings file over and over until it is killed: the contents of two source files, alternately, through
// the program's own writer. After the first save it prints how long that save took, in microseconds, so the parent
// can time its kill to fall within the saves that follow.
#include "core/line_file.h"

#include <QElapsedTimer>
#include <QString>

#include <climits>
#include <cstdio>

using namespace Dovrel;

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: save_child TARGET FIRST SECOND\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QStringList contents[2] = {readLineFile(QString::fromLocal8Bit(argv[2]), INT_MAX).lines,
                                     readLineFile(QString::fromLocal8Bit(argv[3]), INT_MAX).lines};
    QElapsedTimer firstSave;
    firstSave.start();
    for (unsigned i = 0;; ++i) {
        const SaveResult result = writeLineFile(target, contents[i % 2]);
        if (!result.ok) {
            std::fprintf(stderr, "save failed: %s\n", result.error.toLocal8Bit().constData());
            return 1;
        }
        if (i == 0) {
            std::printf("%lld\n", firstSave.nsecsElapsed() / 1000);
            std::fflush(stdout);
        }
    }
}
