#pragma once

#include "platform/qt_platform.h"

#include <QString>

// What a run of the whole program with nobody at the PC needs: the benchmarks, the screenshot tool and the tests that
// start the program in a process of its own.
namespace Dovrel::Unattended {

// The real platform with its real clock and windows, but alerts that stay silent and messages answered at once, so
// that no sound device and no dialog can hold the run up.
class Platform : public QtPlatform
{
public:
    int soundDeviceCount() override;
    bool soundOutputOpens() override;
    SoundStart playSound(const QString &path) override;
    void showNotice(QWidget *parent, const MessageRequest &request) override;
    MessageAnswer showMessage(QWidget *parent, const MessageRequest &request) override;
};

// Copies the program's stock data folders (config, sound, background) into `directory`, so a program run there
// really reads its settings files.
void layOutStockFolders(const QString &directory);

// A port on which nothing listens now.
quint16 freePort();

} // namespace Dovrel::Unattended
