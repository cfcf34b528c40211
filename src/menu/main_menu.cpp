#include "menu/main_menu.h"

#include "about/about_author.h"
#include "about/about_software.h"
#include "about/version_link.h"
#include "check/check_screen.h"
#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "core/layout_tag.h"
#include "core/program_identity.h"
#include "core/stage_buttons.h"
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
#include "scores/report_screen.h"
#include "scores/score_entry.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/menus.h"
#include "shell/messages.h"
#include "shell/proportional_layout.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTime>
#include <QTimer>

namespace Dovrel {

namespace {

constexpr int LargeWidth = 2775;
constexpr int SmallWidth = 1215;
constexpr int SettingsWidth = 855;
constexpr int LeftColumn = 1560;
constexpr int RightColumn = 6720;
// The greyed "设置" buttons stand beside the large buttons of either column.
constexpr int LeftSettings = 4680;
constexpr int RightSettings = 9840;

} // namespace

MainMenu::MainMenu(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Menu, designFont(QStringLiteral("宋体"), 10.5));

    Image1 = makeControl<QLabel>(this, QStringLiteral("Image1"), 0, 0, DesignWidth, DesignHeight);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/menu_background.jpg")));
    Image1->installEventFilter(this);

    Label1 = makeLabel(this, QStringLiteral("Label1"), 3960, 240, 4455, 495, QStringLiteral("Dovrel主菜单"));
    Label1->setFont(designFont(QStringLiteral("楷体_GB2312"), 24, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label1, Colours::Blue);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 9480, 240, 2295, 375);
    Label2->setFont(designFont(QStringLiteral("楷体_GB2312"), 15.75, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackColour(Label2, Colours::TimeBox);
    // The first tick decides whether the time of day shows; until then no empty box stands in the corner.
    Label2->hide();

    Label3 =
        makeLabel(this, QStringLiteral("Label3"), 360, 480, 2175, 375, QStringLiteral("版本：") + programVersion());
    Label3->setFont(designFont(QStringLiteral("宋体"), 12, true));
    setTextColour(Label3, Colours::Red);

    Label4 = makeLabel(this, QStringLiteral("Label4"), 240, 120, 1455, 255, QStringLiteral("按F1寻求帮助"));

    createButtons();
    createMenu();
    m_styling = std::make_unique<StylingCommands>(*this, bitmapOrJpegPictureFilter());
    m_rulesImport = std::make_unique<RulesImport>(*this);

    Timer1 = makeCaptionTimer(QStringLiteral("Timer1"));
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 1000, true);
    connect(Timer2, &QTimer::timeout, this, &MainMenu::showTimeOfDay);
}

MainMenu::~MainMenu() = default;

// The menu's buttons keep the menu's green rather than the system's face.
QPushButton *MainMenu::makeMenuButton(const QString &name, int left, int top, int width, const QString &caption)
{
    return makeButton(this, name, left, top, width, caption, ButtonFace::Screen, designFont(QStringLiteral("宋体"), 9));
}

void MainMenu::createButtons()
{
    const auto large = [this](const QString &name, int left, int top, const QString &caption) {
        return makeMenuButton(name, left, top, LargeWidth, caption);
    };
    Command4 = large(QStringLiteral("Command4"), LeftColumn, 1320, QStringLiteral("辩论赛名称"));
    Command20 = makeMenuButton(QStringLiteral("Command20"), LeftSettings, 1320, SettingsWidth, QStringLiteral("设置"));
    Command5 = large(QStringLiteral("Command5"), RightColumn, 1200, QStringLiteral("辩题"));
    Command6 = large(QStringLiteral("Command6"), LeftColumn, 1800, QStringLiteral("代表对及所持立场"));
    Command7 = large(QStringLiteral("Command7"), RightColumn, 1680, QStringLiteral("介绍双方队员"));
    Command8 = large(QStringLiteral("Command8"), LeftColumn, 2280, QStringLiteral("介绍评委"));
    Command9 = large(QStringLiteral("Command9"), RightColumn, 2160, QStringLiteral("比赛规则"));
    Command37 = large(QStringLiteral("Command37"), LeftColumn, 3000, QStringLiteral("开篇陈词（预设）"));
    Command38 = large(QStringLiteral("Command38"), RightColumn, 3000, QStringLiteral("攻辩（预设）"));
    Command39 = large(QStringLiteral("Command39"), LeftColumn, 3480, QStringLiteral("攻辩小结（预设）"));
    Command40 = large(QStringLiteral("Command40"), RightColumn, 3480, QStringLiteral("自由辩论（预设）"));
    Command41 = large(QStringLiteral("Command41"), LeftColumn, 3960, QStringLiteral("总结陈词（预设）"));
    Command10 = large(QStringLiteral("Command10"), LeftColumn, 4680, QStringLiteral("自定义环节一"));
    Command11 = large(QStringLiteral("Command11"), RightColumn, 4680, QStringLiteral("自定义环节二"));
    Command12 = large(QStringLiteral("Command12"), LeftColumn, 5160, QStringLiteral("攻辩"));
    setBackColour(Command12, Colours::Clock);
    Command13 = large(QStringLiteral("Command13"), RightColumn, 5160, QStringLiteral("自定义环节四"));
    Command14 = large(QStringLiteral("Command14"), LeftColumn, 5640, QStringLiteral("自定义环节五"));
    Command15 = large(QStringLiteral("Command15"), RightColumn, 5640, QStringLiteral("自定义环节六"));
    Command42 = large(QStringLiteral("Command42"), LeftColumn, 6120, QStringLiteral("自由辩论"));
    setBackColour(Command42, Colours::DualStage);
    Command43 = large(QStringLiteral("Command43"), RightColumn, 6120, QStringLiteral("自定义环节八"));
    setBackColour(Command43, Colours::DualStage);
    Command16 = large(QStringLiteral("Command16"), LeftColumn, 6600, QStringLiteral("观众提问"));
    Command17 = large(QStringLiteral("Command17"), RightColumn, 6600, QStringLiteral("嘉宾点评"));
    Command18 = large(QStringLiteral("Command18"), LeftColumn, 7080, QStringLiteral("比赛结果"));
    Command19 = large(QStringLiteral("Command19"), RightColumn, 7080, QStringLiteral("比赛报表"));
    Command1 = makeMenuButton(QStringLiteral("Command1"), 120, 7080, SmallWidth, QStringLiteral("关于作者"));
    Command36 = makeMenuButton(QStringLiteral("Command36"), 120, 7560, SmallWidth, QStringLiteral("关于该软件"));
    Command46 = makeMenuButton(QStringLiteral("Command46"), 120, 8040, SmallWidth, QStringLiteral("查看新版本"));
    Command2 = makeMenuButton(QStringLiteral("Command2"), 2040, 8040, 1455, QStringLiteral("进入设置界面"));
    Command47 = makeMenuButton(QStringLiteral("Command47"), 3720, 8040, 1455, QStringLiteral("赛前检查"));

    // The settings buttons beside the information, custom-stage and result buttons are shown greyed.
    const QList<QPair<QString, QPushButton *>> greyed = {
        {QStringLiteral("Command21"), Command5},  {QStringLiteral("Command22"), Command6},
        {QStringLiteral("Command23"), Command7},  {QStringLiteral("Command24"), Command8},
        {QStringLiteral("Command25"), Command9},  {QStringLiteral("Command26"), Command10},
        {QStringLiteral("Command27"), Command11}, {QStringLiteral("Command28"), Command12},
        {QStringLiteral("Command29"), Command13}, {QStringLiteral("Command30"), Command14},
        {QStringLiteral("Command31"), Command15}, {QStringLiteral("Command32"), Command16},
        {QStringLiteral("Command33"), Command17}, {QStringLiteral("Command34"), Command18},
        {QStringLiteral("Command35"), Command19}, {QStringLiteral("Command44"), Command42},
        {QStringLiteral("Command45"), Command43},
    };
    for (const auto &[name, beside] : greyed) {
        const QRect design = beside->geometry();
        const int left = pixelsToTwips(design.x()) == LeftColumn ? LeftSettings : RightSettings;
        const int top = static_cast<int>(pixelsToTwips(design.y()));
        makeMenuButton(name, left, top, SettingsWidth, QStringLiteral("设置"))->setEnabled(false);
    }

    ScreenRegistry &screens = app().screens();
    connect(Command2, &QPushButton::clicked, this,
            [this, &screens] { openInPlace(screens.screen<ContestDetailsPage>()); });
    connect(Command4, &QPushButton::clicked, this, &MainMenu::presentTitle);
    connect(Command20, &QPushButton::clicked, this, &MainMenu::presentTitleDesign);
    connect(Command5, &QPushButton::clicked, this, [this, &screens] { openInPlace(screens.screen<MotionsScreen>()); });
    connect(Command6, &QPushButton::clicked, this, [this, &screens] { openInPlace(screens.screen<TeamsScreen>()); });
    connect(Command7, &QPushButton::clicked, this, [this, &screens] { openInPlace(screens.screen<SpeakersScreen>()); });
    connect(Command8, &QPushButton::clicked, this, [this, &screens] { openInPlace(screens.screen<JudgesScreen>()); });
    connect(Command9, &QPushButton::clicked, this, [this] { m_rulesImport->run(); });
    connect(Command16, &QPushButton::clicked, this,
            [this, &screens] { openInPlace(screens.screen<AudienceScreen>()); });
    connect(Command17, &QPushButton::clicked, this, [this, &screens] {
        AudienceScreen *comments = screens.screen<AudienceScreen>();
        openInPlace(comments);
        comments->setHeading(QStringLiteral("嘉宾点评"));
    });
    connect(Command18, &QPushButton::clicked, this, [this, &screens] { openInPlace(screens.screen<ScoreEntry>()); });
    connect(Command19, &QPushButton::clicked, this, [this, &screens] { openInPlace(screens.screen<ReportScreen>()); });
    // The about screens open over the menu, which stays visible behind them.
    connect(Command1, &QPushButton::clicked, this, [&screens] { showInFront(screens.screen<AboutAuthor>()); });
    connect(Command36, &QPushButton::clicked, this, [&screens] { showInFront(screens.screen<AboutSoftware>()); });
    connect(Command46, &QPushButton::clicked, this, [this] { openNewVersionPage(this); });
    // The check opens over the menu too, so the timekeeper can put right what it finds and check again.
    connect(Command47, &QPushButton::clicked, this, [&screens] { showInFront(screens.screen<CheckScreen>()); });

    for (const StageButton &stage : stageButtons()) {
        const QString name = stage.button;
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this, [this, name] { startStage(name); });
    }
}

void MainMenu::createMenu()
{
    menu = new QMenu(QStringLiteral("菜单"), this);
    menu->setObjectName(QStringLiteral("menu"));
    ghbj = addSubmenu(menu, QStringLiteral("ghbj"), QStringLiteral("更换背景"));
    no = addEntry(ghbj, QStringLiteral("no"), QStringLiteral("无背景"));
    mr = addEntry(ghbj, QStringLiteral("mr"), QStringLiteral("默认背景"));
    bj1 = addEntry(ghbj, QStringLiteral("bj1"), QStringLiteral("背景1"));
    bj2 = addEntry(ghbj, QStringLiteral("bj2"), QStringLiteral("背景2"));
    bj3 = addEntry(ghbj, QStringLiteral("bj3"), QStringLiteral("背景3"));
    hh = addSeparator(ghbj, QStringLiteral("hh"));
    zdy = addEntry(ghbj, QStringLiteral("zdy"), QStringLiteral("自定义背景"));
    set = addEntry(menu, QStringLiteral("set"), QStringLiteral("进入设置界面"));
    author = addEntry(menu, QStringLiteral("author"), QStringLiteral("关于作者"));
    soft = addEntry(menu, QStringLiteral("soft"), QStringLiteral("关于该软件"));
    bb = addEntry(menu, QStringLiteral("bb"), QStringLiteral("查看新版本"));
    check = addEntry(menu, QStringLiteral("check"), QStringLiteral("赛前检查"));
    gg = addSeparator(menu, QStringLiteral("gg"));
    exit = addEntry(menu, QStringLiteral("exit"), QStringLiteral("退出系统"));

    connect(no, &QAction::triggered, this, [this] { m_styling->noBackground(Image1); });
    connect(mr, &QAction::triggered, this, [this] { m_styling->stockBackground(Image1, 4); });
    connect(bj1, &QAction::triggered, this, [this] { m_styling->stockBackground(Image1, 1); });
    connect(bj2, &QAction::triggered, this, [this] { m_styling->stockBackground(Image1, 2); });
    connect(bj3, &QAction::triggered, this, [this] { m_styling->stockBackground(Image1, 3); });
    connect(zdy, &QAction::triggered, this, [this] { m_styling->customBackground(Image1); });
    connect(exit, &QAction::triggered, this, &MainMenu::confirmExit);
    connect(set, &QAction::triggered, Command2, &QPushButton::click);
    connect(author, &QAction::triggered, Command1, &QPushButton::click);
    connect(soft, &QAction::triggered, Command36, &QPushButton::click);
    connect(bb, &QAction::triggered, Command46, &QPushButton::click);
    connect(check, &QAction::triggered, Command47, &QPushButton::click);
}

void MainMenu::load()
{
    app().setHelpFile(app().paths().helpFile());
    recordDesign();
    refreshStageCaptions();
}

void MainMenu::refreshStageCaptions()
{
    StagesPage *stages = app().screens().screen<StagesPage>();
    for (const StageCaption &caption : stageCaptions()) {
        if (QPushButton *button = findChild<QPushButton *>(caption.button))
            button->setText(stages->stageName(caption.nameBox));
    }
}

void MainMenu::startStage(const QString &button)
{
    const StageButton *stage = findStageButton(button);
    if (!stage)
        return;
    ScreenRegistry &screens = app().screens();
    StagesPage *stages = screens.screen<StagesPage>();
    StageHandover *handover = screens.screen<StageHandover>();
    if (!stage->fixedName.isEmpty())
        handover->handOverName(stage->fixedName);
    handover->handOverLimit(stages->stageLimit(stage->limitBox));
    if (stage->nameBox)
        handover->handOverName(stages->stageName(*stage->nameBox));

    // The clock loads on this first reference and reads the hand-over; a fixed title is written after that.
    switch (stage->clock) {
    case StageClock::SingleSide: {
        SingleSideClock *clock = screens.screen<SingleSideClock>();
        if (!stage->title.isEmpty())
            clock->setTitle(stage->title);
        openInPlace(clock);
        break;
    }
    case StageClock::Dual: {
        DualClock *clock = screens.screen<DualClock>();
        if (!stage->title.isEmpty())
            clock->setTitle(stage->title);
        openInPlace(clock);
        break;
    }
    case StageClock::CrossExamination:
        openInPlace(screens.screen<CrossExaminationClock>());
        break;
    }
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
    SoundPage *sounds = app().screens().screen<SoundPage>();
    Label2->setVisible(sounds->systemTimeShown());
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
    // The first time in the middle of the timekeeper's display; after that where the timekeeper keeps it.
    if (!event->spontaneous() && !m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
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
