#include "shell/application.h"

#include "core/program_identity.h"
#include "platform/platform.h"
#include "shell/hall_display.h"
#include "shell/life_cycle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace Dovrel {

namespace {

// Set on the main menu once it has been placed, after which it stays where the timekeeper keeps it.
constexpr char PlacedProperty[] = "dovrelPlaced";

QString helpMissingText(const QString &helpFile, const QString &helpPages)
{
    const bool haveFile = QFileInfo(helpFile).isFile();
    const bool havePages = QFileInfo(helpPages).isFile();
    const QString file = QDir::toNativeSeparators(helpFile);
    const QString pages = QDir::toNativeSeparators(helpPages);
    if (!haveFile && !havePages)
        return QStringLiteral("找不到帮助文件：\n") + file;
    if (!haveFile)
        return QStringLiteral("找不到帮助文件：\n%1\n\n帮助的网页版在：\n%2\n请安装网页浏览器后打开它。")
            .arg(file, pages);
    if (!havePages)
        return QStringLiteral(
                   "无法打开帮助文件：\n%1\n\n本机没有能打开 CHM 帮助文件的程序，请安装 CHM 阅读器（例如 xchm）。")
            .arg(file);
    return QStringLiteral("无法打开帮助文件：\n%1\n\n本机没有能打开 CHM 帮助文件的程序，也没有默认的网页浏览器。"
                          "请安装 CHM 阅读器（例如 xchm），或用网页浏览器打开帮助的网页版：\n%2")
        .arg(file, pages);
}

} // namespace

Application::Application(const QString &applicationDirectory, Platform &platform)
    : m_paths(applicationDirectory), m_platform(platform),
      m_programSettings(m_paths.configFile(QStringLiteral("Dovrel.ini"))), m_contest(m_paths),
      m_speakingRecord(m_paths.dataPath(QStringLiteral("records"))), m_screens(*this)
{
    m_hallTextScaled = m_programSettings.hallTextScaled();
    m_overtimeRule = m_programSettings.overtimeRule();
    if (QCoreApplication *qtApp = QCoreApplication::instance())
        qtApp->installEventFilter(this);
    // The system moves the windows of an unplugged display once it has said so; the hall screens follow after.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(qGuiApp, &QGuiApplication::screenRemoved, this,
                [this] { QTimer::singleShot(0, this, &Application::keepHallScreensOnADisplay); });
    }
}

Application::~Application()
{
    keepDisplayAwake(false);
}

const AppPaths &Application::paths() const
{
    return m_paths;
}

Platform &Application::platform() const
{
    return m_platform;
}

ProgramSettings &Application::programSettings()
{
    return m_programSettings;
}

Contest &Application::contest()
{
    return m_contest;
}

HallState &Application::hallState()
{
    return m_hallState;
}

SpeakingRecord &Application::speakingRecord()
{
    return m_speakingRecord;
}

ScreenRegistry &Application::screens()
{
    return m_screens;
}

LayoutBase &Application::layoutBase()
{
    return m_layoutBase;
}

void Application::start()
{
    startUp();
}

Screen *Application::mainMenu()
{
    return loadMainMenu();
}

void Application::setHelpFile(const QString &helpFile)
{
    m_helpFile = helpFile;
}

QString Application::helpFile() const
{
    return m_helpFile;
}

QString Application::helpPages() const
{
    if (m_helpFile.isEmpty())
        return QString();
    return QFileInfo(m_helpFile).dir().filePath(QStringLiteral("help/index.html"));
}

void Application::showHelp(QWidget *from)
{
    if (m_helpFile.isEmpty())
        return;
    if (m_platform.openHelp(m_helpFile, helpPages()))
        return;
    // F1 never does nothing: the timekeeper learns what is missing, and the program goes on.
    MessageRequest request;
    request.text = helpMissingText(m_helpFile, helpPages());
    request.title = applicationTitle();
    request.icon = MessageIcon::Information;
    m_platform.showMessage(from, request);
}

bool Application::displayKeptAwake() const
{
    return m_displayAwake;
}

bool Application::hallTextScaled() const
{
    return m_hallTextScaled;
}

OvertimeRule Application::overtimeRule() const
{
    return m_overtimeRule;
}

void Application::setOvertimeRule(const OvertimeRule &rule)
{
    m_overtimeRule = rule;
    m_programSettings.setOvertimeRule(rule);
}

void Application::setHallTextScaled(bool on)
{
    m_hallTextScaled = on;
    m_programSettings.setHallTextScaled(on);
}

void Application::exitProgram()
{
    if (m_exiting)
        return;
    m_exiting = true;
    m_screens.unloadAll();
    keepDisplayAwake(false);
    emit exitRequested();
}

bool Application::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Before the focused button sees it, which would click on its release.
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            Screen *screen = ownScreen(watched);
            if (screen && screen->takesSpaceBar()) {
                if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
                    screen->spaceBar();
                event->accept();
                return true;
            }
        }
        if (event->type() == QEvent::KeyRelease)
            break;
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            break;
        Screen *screen = ownScreen(watched);
        if (!screen)
            break;
        // Holding the key down would start one viewer per repeat.
        if (!key->isAutoRepeat())
            showHelp(screen);
        event->accept();
        return true;
    }
    case QEvent::Show:
        // Only the screens' own windows, not every control inside them, which get a show event too.
        if (auto *screen = qobject_cast<Screen *>(watched); screen && &screen->app() == this)
            place(screen, event->spontaneous());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Application::place(Screen *screen, bool bySystem)
{
    switch (screen->shown()) {
    case Screen::Shown::HallScreen:
        placeOnHallDisplay(screen);
        keepDisplayAwake(true);
        return;
    case Screen::Shown::MainMenu:
        keepDisplayAwake(false);
        if (!bySystem && !screen->property(PlacedProperty).toBool()) {
            centreOnScreen(screen);
            screen->setProperty(PlacedProperty, true);
        }
        return;
    case Screen::Shown::Centred:
        if (!bySystem)
            centreOnScreen(screen);
        return;
    case Screen::Shown::OverMenu:
        if (bySystem)
            return;
        if (const Screen *menu = loadedMainMenu(); menu && menu->isVisible())
            screen->move(menu->frameGeometry().center() - screen->frameGeometry().center() + screen->pos());
        else
            centreOnScreen(screen);
        return;
    case Screen::Shown::AsPlaced:
        return;
    }
}

Screen *Application::loadedMainMenu() const
{
    for (const QString &name : m_screens.loadedNames()) {
        if (Screen *screen = m_screens.loaded(name); screen->shown() == Screen::Shown::MainMenu)
            return screen;
    }
    return nullptr;
}

Screen *Application::ownScreen(QObject *object) const
{
    // Controls, menus and message boxes all have their screen among their ancestors.
    for (; object; object = object->parent()) {
        if (auto *screen = qobject_cast<Screen *>(object))
            return &screen->app() == this ? screen : nullptr;
    }
    return nullptr;
}

void Application::keepDisplayAwake(bool on)
{
    if (m_displayAwake == on)
        return;
    m_displayAwake = on;
    m_platform.keepDisplayAwake(on);
}

QScreen *Application::timekeeperDisplay()
{
    if (Screen *menu = loadedMainMenu())
        return menu->screen();
    return QGuiApplication::primaryScreen();
}

QScreen *Application::hallDisplay()
{
    return Dovrel::hallDisplay(timekeeperDisplay(), QGuiApplication::screens());
}

void Application::placeOnHallDisplay(Screen *screen)
{
    // With one display everything stays where it opens.
    if (QGuiApplication::screens().size() > 1)
        maximiseOn(screen, hallDisplay());
}

void Application::keepHallScreensOnADisplay()
{
    QScreen *display = hallDisplay();
    for (const QString &name : m_screens.loadedNames()) {
        Screen *screen = m_screens.loaded(name);
        if (screen->shown() == Screen::Shown::HallScreen && screen->isVisible())
            maximiseOn(screen, display);
    }
}

bool Application::exiting() const
{
    return m_exiting;
}

} // namespace Dovrel
