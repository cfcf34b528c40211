// Adds speaking-time rows to the record in a folder, one after another, until it is killed; says "ready" once the
// first is written. Row n names stage n, with a comma and a quote in it, so a torn or mixed row is told apart.
#include "core/speaking_record.h"

#include <QString>

#include <cstdio>

using namespace Dovrel;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: record_child FOLDER\n");
        return 2;
    }
    SpeakingRecord record(QString::fromLocal8Bit(argv[1]));
    const QDateTime started(QDate(2026, 12, 8), QTime(14, 0));
    for (int n = 0;; ++n) {
        const SaveResult result =
            record.add({started, QStringLiteral("第%1轮, \"自由辩论\"").arg(n), QStringLiteral("正方"), n, n, 0, 0});
        if (!result.ok) {
            std::fprintf(stderr, "add failed: %s\n", qPrintable(result.error));
            return 1;
        }
        if (n == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
