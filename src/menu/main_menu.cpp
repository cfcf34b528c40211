#include "menu/main_menu.h"

#include "about/about_author.h"
#include "about/about_software.h"
#include "about/version_link.h"
#include "check/check_screen.h"
#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "core/program_identity.h"
#include "core/system_time.h"
#include "displays/audience_screen.h"
#include "displays/judges_screen.h"
#include "displays/motions_screen.h"
#include "displays/rules_import.h"
#include "displays/speakers_screen.h"
#include "displays/styling.h"
#include "displays/teams_screen.h"
#include "displays/title_screen.h"
#include "platform/platform.h"
#include "scores/record_screen.h"
#include "scores/report_screen.h"
#include "scores/score_entry.h"
#include "settings/contest_details_page.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/menus.h"
#include "shell/messages.h"
#include "shell/proportional_layout.h"
#include "viewers/viewer_screen.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

namespace Dovrel {

template <class ShownScreen> void MainMenu::open()
{
    openInPlace(app().screens().screen<ShownScreen>());
}

template <class SmallWindow> void MainMenu::openOver()
{
    showInFront(app().screens().screen<SmallWindow>());
}

namespace {

constexpr int LargeWidth = 2775;
constexpr int SmallWidth = 1215;
constexpr int SettingsWidth = 855;
constexpr int LeftColumn = 1560;
constexpr int RightColumn = 6720;
// The greyed "设置" buttons stand beside the large buttons of either column.
constexpr int LeftSettings = 4680;
constexpr int RightSettings = 9840;

// A button of the menu that opens something: where it stands, its caption and what it does.
struct MenuButton
{
    const char *name = nullptr;
    int left = LeftColumn;
    int top = 0;
    int width = LargeWidth;
    const char16_t *caption = nullptr;
    void (MainMenu::*action)() = nullptr;
};

const MenuButton MenuButtons[] = {
    {.name = "Command4", .top = 1320, .caption = u"辩论赛名称", .action = &MainMenu::presentTitle},
    {.name = "Command20",
     .left = LeftSettings,
     .top = 1320,
     .width = SettingsWidth,
     .caption = u"设置",
     .action = &MainMenu::presentTitleDesign},
    {.name = "Command5",
     .left = RightColumn,
     .top = 1200,
     .caption = u"辩题",
     .action = &MainMenu::open<MotionsScreen>},
    {.name = "Command6", .top = 1800, .caption = u"代表对及所持立场", .action = &MainMenu::open<TeamsScreen>},
    {.name = "Command7",
     .left = RightColumn,
     .top = 1680,
     .caption = u"介绍双方队员",
     .action = &MainMenu::open<SpeakersScreen>},
    {.name = "Command8", .top = 2280, .caption = u"介绍评委", .action = &MainMenu::open<JudgesScreen>},
    {.name = "Command9", .left = RightColumn, .top = 2160, .caption = u"比赛规则", .action = &MainMenu::importRules},
    {.name = "Command16", .top = 6600, .caption = u"观众提问", .action = &MainMenu::open<AudienceScreen>},
    {.name = "Command17",
     .left = RightColumn,
     .top = 6600,
     .caption = u"嘉宾点评",
     .action = &MainMenu::openGuestComments},
    {.name = "Command18", .top = 7080, .caption = u"比赛结果", .action = &MainMenu::open<ScoreEntry>},
    {.name = "Command19",
     .left = RightColumn,
     .top = 7080,
     .caption = u"比赛报表",
     .action = &MainMenu::open<ReportScreen>},
    // The about screens and the check open over the menu, which stays visible behind them.
    {.name = "Command1",
     .left = 120,
     .top = 7080,
     .width = SmallWidth,
     .caption = u"关于作者",
     .action = &MainMenu::openOver<AboutAuthor>},
    {.name = "Command36",
     .left = 120,
     .top = 7560,
     .width = SmallWidth,
     .caption = u"关于该软件",
     .action = &MainMenu::openOver<AboutSoftware>},
    {.name = "Command46",
     .left = 120,
     .top = 8040,
     .width = SmallWidth,
     .caption = u"查看新版本",
     .action = &MainMenu::openNewVersionPage},
    {.name = "Command2",
     .left = 2040,
     .top = 8040,
     .width = 1455,
     .caption = u"进入设置界面",
     .action = &MainMenu::openSettings},
    {.name = "Command47",
     .left = 3720,
     .top = 8040,
     .width = 1455,
     .caption = u"赛前检查",
     .action = &MainMenu::openOver<CheckScreen>},
    {.name = "Command48",
     .left = 5400,
     .top = 8040,
     .width = 1455,
     .caption = u"用时记录",
     .action = &MainMenu::openOver<RecordScreen>},
    {.name = "Command49",
     .left = 7080,
     .top = 8040,
     .width = 1455,
     .caption = u"手机观看",
     .action = &MainMenu::openOver<ViewerScreen>},
};

enum class StageClock { SingleSide, Dual, CrossExamination };

// A stage button: where it stands, what it hands over from the stages page and which clock it opens.
struct StageButton
{
    const char *button = nullptr;
    int left = LeftColumn;
    int top = 0;
    const char16_t *caption = nullptr;
    // A custom stage's caption is its name on the stages page.
    std::optional<StageBox> captionBox = std::nullopt;
    StageBox limit = StageBox::OpeningLimit;
    // The stage's name as handed over: a fixed one before the limit, or the stages page's after it.
    const char16_t *fixedName = nullptr;
    std::optional<StageBox> nameBox = std::nullopt;
    // Written into the clock's title.
    const char16_t *title = nullptr;
    StageClock clock = StageClock::SingleSide;
    std::optional<QColor> colour = std::nullopt;
};

const StageButton StageButtons[] = {
    {.button = "Command37",
     .top = 3000,
     .caption = u"开篇陈词（预设）",
     .limit = StageBox::OpeningLimit,
     .fixedName = u"开篇陈词",
     .title = u"开篇陈词"},
    {.button = "Command38",
     .left = RightColumn,
     .top = 3000,
     .caption = u"攻辩（预设）",
     .limit = StageBox::CrossExaminationLimit,
     .clock = StageClock::CrossExamination},
    {.button = "Command39",
     .top = 3480,
     .caption = u"攻辩小结（预设）",
     .limit = StageBox::SummaryLimit,
     .fixedName = u"攻辩小结",
     .title = u"攻辩小结"},
    {.button = "Command40",
     .left = RightColumn,
     .top = 3480,
     .caption = u"自由辩论（预设）",
     .limit = StageBox::FreeDebateLimit,
     .title = u"自由辩论",
     .clock = StageClock::Dual},
    {.button = "Command41",
     .top = 3960,
     .caption = u"总结陈词（预设）",
     .limit = StageBox::ClosingLimit,
     .fixedName = u"总结陈词",
     .title = u"总结陈词"},
    {.button = "Command10",
     .top = 4680,
     .caption = u"自定义环节一",
     .captionBox = StageBox::StageOneName,
     .limit = StageBox::StageOneLimit,
     .nameBox = StageBox::StageOneName},
    {.button = "Command11",
     .left = RightColumn,
     .top = 4680,
     .caption = u"自定义环节二",
     .captionBox = StageBox::StageTwoName,
     .limit = StageBox::StageTwoLimit,
     .nameBox = StageBox::StageTwoName},
    {.button = "Command12",
     .top = 5160,
     .caption = u"攻辩",
     .captionBox = StageBox::StageThreeName,
     .limit = StageBox::StageThreeLimit,
     .clock = StageClock::CrossExamination,
     .colour = Colours::Clock},
    {.button = "Command13",
     .left = RightColumn,
     .top = 5160,
     .caption = u"自定义环节四",
     .captionBox = StageBox::StageFourName,
     .limit = StageBox::StageFourLimit,
     .nameBox = StageBox::StageFourName},
    {.button = "Command14",
     .top = 5640,
     .caption = u"自定义环节五",
     .captionBox = StageBox::StageFiveName,
     .limit = StageBox::StageFiveLimit,
     .nameBox = StageBox::StageFiveName},
    {.button = "Command15",
     .left = RightColumn,
     .top = 5640,
     .caption = u"自定义环节六",
     .captionBox = StageBox::StageSixName,
     .limit = StageBox::StageSixLimit,
     .nameBox = StageBox::StageSixName},
    {.button = "Command42",
     .top = 6120,
     .caption = u"自由辩论",
     .captionBox = StageBox::StageSevenName,
     .limit = StageBox::StageSevenLimit,
     .title = u"自由辩论",
     .clock = StageClock::Dual,
     .colour = Colours::DualStage},
    {.button = "Command43",
     .left = RightColumn,
     .top = 6120,
     .caption = u"自定义环节八",
     .captionBox = StageBox::StageEightName,
     .limit = StageBox::StageEightLimit,
     .nameBox = StageBox::StageEightName,
     .clock = StageClock::Dual,
     .colour = Colours::DualStage},
};

const StageButton *findStageButton(const QString &button)
{
    for (const StageButton &stage : StageButtons) {
        if (button == QLatin1String(stage.button))
            return &stage;
    }
    return nullptr;
}

// The greyed "设置" buttons, each beside the button it stands for.
struct SettingsButton
{
    const char *name = nullptr;
    int left = LeftSettings;
    int top = 0;
};

const SettingsButton SettingsButtons[] = {
    {.name = "Command21", .left = RightSettings, .top = 1200}, {.name = "Command22", .top = 1800},
    {.name = "Command23", .left = RightSettings, .top = 1680}, {.name = "Command24", .top = 2280},
    {.name = "Command25", .left = RightSettings, .top = 2160}, {.name = "Command26", .top = 4680},
    {.name = "Command27", .left = RightSettings, .top = 4680}, {.name = "Command28", .top = 5160},
    {.name = "Command29", .left = RightSettings, .top = 5160}, {.name = "Command30", .top = 5640},
    {.name = "Command31", .left = RightSettings, .top = 5640}, {.name = "Command32", .top = 6600},
    {.name = "Command33", .left = RightSettings, .top = 6600}, {.name = "Command34", .top = 7080},
    {.name = "Command35", .left = RightSettings, .top = 7080}, {.name = "Command44", .top = 6120},
    {.name = "Command45", .left = RightSettings, .top = 6120},
};

// The entries of the pop-up menu that do what a button does, with its caption.
struct MenuEntry
{
    const char *name = nullptr;
    const char *button = nullptr;
};

const MenuEntry MenuEntries[] = {
    {.name = "set", .button = "Command2"},      {.name = "author", .button = "Command1"},
    {.name = "soft", .button = "Command36"},    {.name = "bb", .button = "Command46"},
    {.name = "check", .button = "Command47"},   {.name = "record", .button = "Command48"},
    {.name = "viewers", .button = "Command49"},
};

const MenuButton &menuButton(const char *name)
{
    const auto found = std::find_if(std::begin(MenuButtons), std::end(MenuButtons),
                                    [name](const MenuButton &button) { return std::strcmp(button.name, name) == 0; });
    Q_ASSERT(found != std::end(MenuButtons));
    return *found;
}

// The menu's buttons keep the menu's green rather than the system's face.
QPushButton *makeMenuButton(MainMenu *menu, const char *name, int left, int top, int width, const QString &caption)
{
    return makeButton(menu, QLatin1String(name), left, top, width, caption, ButtonFace::Screen,
                      designFont(QStringLiteral("宋体"), 9));
}

} // namespace

MainMenu::MainMenu(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Menu, designFont(QStringLiteral("宋体"), 10.5), Shown::MainMenu);

    Image1 = makeControl<QLabel>(this, QStringLiteral("Image1"), 0, 0, DesignWidth, DesignHeight);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/menu_background.jpg")));
    Image1->installEventFilter(this);

    QLabel *heading = makeLabel(this, QStringLiteral("Label1"), 3960, 240, 4455, 495, QStringLiteral("Dovrel主菜单"));
    heading->setFont(designFont(QStringLiteral("楷体_GB2312"), 24, true));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(heading, Colours::Blue);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 9480, 240, 2295, 375);
    Label2->setFont(designFont(QStringLiteral("楷体_GB2312"), 15.75, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackColour(Label2, Colours::TimeBox);
    // The first tick decides whether the time of day shows; until then no empty box stands in the corner.
    Label2->hide();

    QLabel *version =
        makeLabel(this, QStringLiteral("Label3"), 360, 480, 2175, 375, QStringLiteral("版本：") + programVersion());
    version->setFont(designFont(QStringLiteral("宋体"), 12, true));
    setTextColour(version, Colours::Red);

    makeLabel(this, QStringLiteral("Label4"), 240, 120, 1455, 255, QStringLiteral("按F1寻求帮助"));

    createButtons();
    createMenu();
    m_styling = std::make_unique<StylingCommands>(*this, bitmapOrJpegPictureFilter());
    m_rulesImport = std::make_unique<RulesImport>(*this);

    makeCaptionTimer(QStringLiteral("Timer1"));
    connect(makeTimer(this, QStringLiteral("Timer2"), 1000, true), &QTimer::timeout, this, &MainMenu::showTimeOfDay);
}

MainMenu::~MainMenu() = default;

void MainMenu::createButtons()
{
    for (const MenuButton &button : MenuButtons) {
        connect(makeMenuButton(this, button.name, button.left, button.top, button.width,
                               QString::fromUtf16(button.caption)),
                &QPushButton::clicked, this, button.action);
    }
    for (const StageButton &stage : StageButtons) {
        QPushButton *button =
            makeMenuButton(this, stage.button, stage.left, stage.top, LargeWidth, QString::fromUtf16(stage.caption));
        if (stage.colour)
            setBackColour(button, *stage.colour);
        if (stage.captionBox)
            m_stageCaptions.append({*stage.captionBox, button});
        const QString name = QLatin1String(stage.button);
        connect(button, &QPushButton::clicked, this, [this, name] { startStage(name); });
    }
    for (const SettingsButton &settings : SettingsButtons)
        makeMenuButton(this, settings.name, settings.left, settings.top, SettingsWidth, QStringLiteral("设置"))
            ->setEnabled(false);
}

void MainMenu::createMenu()
{
    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    QMenu *backgrounds = addSubmenu(menu, QStringLiteral("ghbj"), QStringLiteral("更换背景"));
    connect(addEntry(backgrounds, QStringLiteral("no"), QStringLiteral("无背景")), &QAction::triggered, this,
            [this] { m_styling->noBackground(Image1); });
    connect(addEntry(backgrounds, QStringLiteral("mr"), QStringLiteral("默认背景")), &QAction::triggered, this,
            [this] { m_styling->stockBackground(Image1, 4); });
    for (int number = 1; number <= 3; ++number) {
        connect(addEntry(backgrounds, QStringLiteral("bj%1").arg(number), QStringLiteral("背景%1").arg(number)),
                &QAction::triggered, this, [this, number] { m_styling->stockBackground(Image1, number); });
    }
    addSeparator(backgrounds, QStringLiteral("hh"));
    connect(addEntry(backgrounds, QStringLiteral("zdy"), QStringLiteral("自定义背景")), &QAction::triggered, this,
            [this] { m_styling->customBackground(Image1); });
    for (const MenuEntry &entry : MenuEntries) {
        const MenuButton &button = menuButton(entry.button);
        connect(addEntry(menu, QLatin1String(entry.name), QString::fromUtf16(button.caption)), &QAction::triggered,
                this, button.action);
    }
    addSeparator(menu, QStringLiteral("gg"));
    connect(addEntry(menu, QStringLiteral("exit"), QStringLiteral("退出系统")), &QAction::triggered, this,
            &MainMenu::confirmExit);
}

void MainMenu::load()
{
    app().setHelpFile(app().paths().helpFile());
    recordDesign();
    refreshStageCaptions();
}

void MainMenu::refreshStageCaptions()
{
    const StageSettings stages = app().contest().stages();
    for (const auto &[name, button] : std::as_const(m_stageCaptions))
        button->setText(stages.name(name));
}

void MainMenu::startStage(const QString &button)
{
    const StageButton *stage = findStageButton(button);
    if (!stage)
        return;
    Contest &contest = app().contest();
    const StageSettings stages = contest.stages();
    if (stage->fixedName)
        contest.handOverName(QString::fromUtf16(stage->fixedName));
    contest.handOverLimit(stages.limit(stage->limit));
    if (stage->nameBox)
        contest.handOverName(stages.name(*stage->nameBox));

    // The clock loads on this first reference and reads the hand-over; a fixed title is written after that.
    ScreenRegistry &screens = app().screens();
    screens.screen<StageHandover>();
    const QString title = stage->title ? QString::fromUtf16(stage->title) : QString();
    switch (stage->clock) {
    case StageClock::SingleSide: {
        SingleSideClock *clock = screens.screen<SingleSideClock>();
        if (!title.isEmpty())
            clock->setTitle(title);
        openInPlace(clock);
        break;
    }
    case StageClock::Dual: {
        DualClock *clock = screens.screen<DualClock>();
        if (!title.isEmpty())
            clock->setTitle(title);
        openInPlace(clock);
        break;
    }
    case StageClock::CrossExamination:
        openInPlace(screens.screen<CrossExaminationClock>());
        break;
    }
}

void MainMenu::openSettings()
{
    open<ContestDetailsPage>();
}

void MainMenu::importRules()
{
    m_rulesImport->run();
}

void MainMenu::openGuestComments()
{
    AudienceScreen *comments = app().screens().screen<AudienceScreen>();
    openInPlace(comments);
    comments->setHeading(QStringLiteral("嘉宾点评"));
}

void MainMenu::openNewVersionPage()
{
    Dovrel::openNewVersionPage(this);
}

void MainMenu::presentTitle()
{
    TitleScreen *title = app().screens().screen<TitleScreen>();
    title->presentForHall();
    openInPlace(title);
}

void MainMenu::presentTitleDesign()
{
    TitleScreen *title = app().screens().screen<TitleScreen>();
    title->presentForDesign();
    openInPlace(title);
}

void MainMenu::openInPlace(Screen *screen)
{
    showInFront(screen);
    hide();
}

void MainMenu::showTimeOfDay()
{
    Label2->setVisible(app().contest().alerts().timeShown());
    Label2->setText(systemTimeText(QTime::currentTime()));
}

void MainMenu::confirmExit()
{
    if (confirm(this, QStringLiteral("是否退出本系统？")))
        app().exitProgram();
}

void MainMenu::closing()
{
    app().exitProgram();
}

void MainMenu::resized()
{
    Image1->setGeometry(0, 0, frameGeometry().width(), frameGeometry().height());
}

void MainMenu::changeEvent(QEvent *event)
{
    Screen::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshStageCaptions();
}

void MainMenu::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    // Returning from another screen brings changed stage names at once, whether or not the system activates us.
    refreshStageCaptions();
}

bool MainMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            menu->popup(press->globalPosition().toPoint());
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

} // namespace Dovrel
