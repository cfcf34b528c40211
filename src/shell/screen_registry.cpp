#include "shell/screen_registry.h"

#include <QTimer>

namespace Dovrel {

ScreenRegistry::ScreenRegistry(Application &app) : m_app(app) {}

ScreenRegistry::~ScreenRegistry()
{
    const QList<Screen *> screens = m_screens.values();
    m_screens.clear();
    qDeleteAll(screens);
}

Screen *ScreenRegistry::loaded(const QString &name) const
{
    return m_screens.value(name);
}

bool ScreenRegistry::isLoaded(const QString &name) const
{
    return m_screens.contains(name);
}

QStringList ScreenRegistry::loadedNames() const
{
    return m_screens.keys();
}

void ScreenRegistry::unload(Screen *screen)
{
    if (!screen || m_screens.value(screen->objectName()) != screen)
        return;
    m_screens.remove(screen->objectName());
    screen->unloading();
    const QList<QTimer *> timers = screen->findChildren<QTimer *>();
    for (QTimer *timer : timers)
        timer->stop();
    screen->hide();
    // The unload may come from one of the screen's own handlers, so the window goes once they have returned.
    screen->deleteLater();
}

void ScreenRegistry::unloadAll()
{
    const QList<Screen *> screens = m_screens.values();
    for (Screen *screen : screens)
        unload(screen);
}

int ScreenRegistry::loadCount(const QString &name) const
{
    return m_loadCounts.value(name);
}

void ScreenRegistry::adopt(const QString &name, Screen *screen)
{
    screen->setObjectName(name);
    m_screens.insert(name, screen);
    ++m_loadCounts[name];
}

} // namespace Dovrel
