#pragma once

#include "shell/screen.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <memory>

namespace Dovrel {

class Application;

// Holds the loaded screens: a screen is created and loaded unseen on its first reference and discarded when it
// is unloaded; the next reference loads it afresh. Screen-level variables outlive the unloads. A screen class
// names its screen (`ScreenName`, "Form17"), which becomes its object name.
class ScreenRegistry final
{
public:
    explicit ScreenRegistry(Application &app);
    ~ScreenRegistry();

    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;

    template <class T> static QString nameOf()
    {
        return QString::fromLatin1(T::ScreenName);
    }

    // The screen, loading it unseen when it is not loaded.
    template <class T> T *screen()
    {
        const QString name = nameOf<T>();
        if (Screen *loaded = m_screens.value(name))
            return static_cast<T *>(loaded);
        T *created = new T(m_app);
        adopt(name, created);
        created->load();
        return created;
    }

    // The screen if it is loaded, without loading it.
    Screen *loaded(const QString &name) const;
    bool isLoaded(const QString &name) const;
    QStringList loadedNames() const;

    // Hides the window, stops its timers and discards it; a later reference loads it again.
    void unload(Screen *screen);
    void unloadAll();

    // How often a screen has been loaded in this run.
    int loadCount(const QString &name) const;

    // The screen's own variables, kept for the whole run.
    template <class T> typename T::Variables &variables()
    {
        std::shared_ptr<void> &slot = m_variables[nameOf<T>()];
        if (!slot)
            slot = std::make_shared<typename T::Variables>();
        return *std::static_pointer_cast<typename T::Variables>(slot);
    }

private:
    void adopt(const QString &name, Screen *screen);

    Application &m_app;
    QHash<QString, Screen *> m_screens;
    QHash<QString, int> m_loadCounts;
    QHash<QString, std::shared_ptr<void>> m_variables;
};

} // namespace Dovrel
