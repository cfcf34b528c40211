#include "settings/sound_page.h"

#include "core/alert_sounds.h"
#include "core/contest.h"
#include "settings/overtime_page.h"
#include "settings/stages_page.h"
#include "shell/alert_player.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace Dovrel {

namespace {

const QColor PageColour = Colours::SettingsPage;

QFont buttonFont()
{
    return designFont(QStringLiteral("宋体"), 9);
}

// The formats by the index of their option.
constexpr CountdownFormat Formats[] = {CountdownFormat::Seconds, CountdownFormat::MinutesSeconds};

QFrame *makeFrame(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    QFrame *frame = makeControl<QFrame>(parent, name, left, top, width, height);
    frame->setFrameShape(QFrame::NoFrame);
    setBackColour(frame, PageColour);
    return frame;
}

template <std::size_t N>
void makeOptions(std::array<QRadioButton *, N> &options, QFrame *frame, const QString &name,
                 const QStringList &captions, int width)
{
    for (int i = 0; i < int(N); ++i) {
        options[i] = makeControl<QRadioButton>(frame, arrayName(name, i), 120 + 1200 * i, 180, width, 285);
        options[i]->setText(captions[i]);
        options[i]->setFont(designFont(QStringLiteral("宋体"), 9));
        setBackColour(options[i], PageColour);
    }
}

QLabel *makeRowLabel(QWidget *parent, const QString &name, int left, int top, int width, const QString &text)
{
    QLabel *label = makeLabel(parent, name, left, top, width, 300, text);
    QFont font = designFont(QStringLiteral("楷体_GB2312"), 12, true);
    // "剩余30秒时提示音" fills its room to the pixel in the design face and overflows it in wider fallbacks; a
    // slightly narrower face keeps it on one line beside its options.
    font.setStretch(96);
    label->setFont(font);
    label->setWordWrap(false);
    setTextColour(label, Colours::DeepBlue);
    return label;
}

QLineEdit *makeKeywordBox(QWidget *parent, const QString &name, int left, int top)
{
    QLineEdit *box = makeControl<QLineEdit>(parent, name, left, top, 1215, 375);
    box->setEnabled(false);
    // A box on a white ground, as boxes are, so its greyed keyword stays legible on the cyan page.
    setBackColour(box, QApplication::palette().color(QPalette::Base));
    return box;
}

QCheckBox *makeSwitch(QWidget *parent, const QString &name, int left, int top, int width, const QString &text)
{
    QCheckBox *check = makeControl<QCheckBox>(parent, name, left, top, width, 375);
    check->setText(text);
    setBackColour(check, PageColour);
    return check;
}

constexpr int ButtonWidth = 1095;

} // namespace

SoundPage::SoundPage(Application &app) : SettingsPage(app, PageFile::Alerts, buttonFont())
{
    makeSidePicture(QStringLiteral("Picture3"));

    const QStringList soundCaptions = {QStringLiteral("默认声音"), QStringLiteral("提示音一"),
                                       QStringLiteral("提示音二"), QStringLiteral("提示音三")};
    // The row labels come after their frames, so the end of a long label may run over a frame's empty margin.
    QFrame *Frame1 = makeFrame(this, QStringLiteral("Frame1"), 3960, 720, 4815, 615);
    makeOptions(Option1, Frame1, QStringLiteral("Option1"), soundCaptions, 1095);
    makeRowLabel(this, QStringLiteral("Label1"), 2160, 960, 1920, QStringLiteral("剩余30秒时提示音"));
    makeButton(this, QStringLiteral("Command1"), 8880, 960, ButtonWidth, QStringLiteral("自定义声音"),
               ButtonFace::System, buttonFont())
        ->setEnabled(false);
    Text1 = makeKeywordBox(this, QStringLiteral("Text1"), 10080, 960);

    QFrame *Frame2 = makeFrame(this, QStringLiteral("Frame2"), 3960, 1560, 4815, 615);
    makeOptions(Option2, Frame2, QStringLiteral("Option2"), soundCaptions, 1095);
    makeRowLabel(this, QStringLiteral("Label2"), 2160, 1800, 1920, QStringLiteral("时间到时提示音"));
    makeButton(this, QStringLiteral("Command2"), 8880, 1680, ButtonWidth, QStringLiteral("自定义声音"),
               ButtonFace::System, buttonFont())
        ->setEnabled(false);
    Text2 = makeKeywordBox(this, QStringLiteral("Text2"), 10080, 1680);

    Check2 = makeSwitch(this, QStringLiteral("Check2"), 2160, 2400, 1620, QStringLiteral("显示系统时间"));
    Text3 = makeKeywordBox(this, QStringLiteral("Text3"), 3840, 2520);
    Check1 = makeSwitch(this, QStringLiteral("Check1"), 9240, 2280, 2295, QStringLiteral("开启声音预览"));

    makeRowLabel(this, QStringLiteral("Label3"), 2160, 3240, 3360, QStringLiteral("倒计时时显示剩余时间的格式"));
    QFrame *Frame3 = makeFrame(this, QStringLiteral("Frame3"), 5520, 3000, 2655, 615);
    makeOptions(Option3, Frame3, QStringLiteral("Option3"), {QStringLiteral("***秒"), QStringLiteral("***分***秒")},
                1320);
    Text4 = makeKeywordBox(this, QStringLiteral("Text4"), 8520, 3120);

    QLabel *Picture1 = makeControl<QLabel>(this, QStringLiteral("Picture1"), 6840, 4080, 4815, 3855);
    Picture1->setFrameShape(QFrame::StyledPanel);
    setBackColour(Picture1, Colours::Preview);
    Label4 = makeLabel(Picture1, QStringLiteral("Label4"), 3600, 120, 1095, 255, QStringLiteral("12:30:00"));
    Label4->setFont(designFont(QStringLiteral("宋体"), 10.5));
    // The sample clock stands for the main menu's time of day, which shows only while "显示" is the keyword;
    // so it starts hidden and appears only once the time is to be shown, also when the file gave no keyword.
    Label4->hide();
    QLabel *Picture2 = makeControl<QLabel>(Picture1, QStringLiteral("Picture2"), 1080, 840, 2775, 2175);
    setBackColour(Picture2, Colours::Clock);
    QLabel *Label7 = makeLabel(Picture2, QStringLiteral("Label7"), 120, 240, 2535, 315, QStringLiteral("总结陈词"));
    Label7->setFont(designFont(QStringLiteral("楷体_GB2312"), 10.5));
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label7, Colours::Blue);
    // Without a format keyword the sample keeps this text, as a clock keeps its own until a format is chosen.
    Label6 = makeLabel(Picture2, QStringLiteral("Label6"), 120, 960, 2535, 495, QStringLiteral("Label6"));
    Label6->setFont(designFont(QStringLiteral("宋体"), 12));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QLabel *Label5 =
        makeLabel(this, QStringLiteral("Label5"), 8040, 8010, 2415, 375, QStringLiteral("计时界面设置预览"));
    Label5->setFont(designFont(QStringLiteral("楷体_GB2312"), 12, true));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label5, Colours::Magenta);

    // What the clocks do past their end is the program's own setting, on a small page of its own.
    connect(makeButton(this, QStringLiteral("Command6"), 2160, 4200, 1455, QStringLiteral("超时设置…"),
                       ButtonFace::System, buttonFont()),
            &QPushButton::clicked, this, [this] { showInFront(this->app().screens().screen<OvertimePage>()); });

    makePreviousButton<StagesPage>(QStringLiteral("Command4"), 1560, ButtonWidth);
    makeSaveButton(QStringLiteral("Command3"), 3120, ButtonWidth);
    makeBackButton(QStringLiteral("Command5"), 4800, ButtonWidth);

    makeCaptionTimer(QStringLiteral("Timer1"));

    for (int i = 0; i < int(Option1.size()); ++i) {
        // A click on the option already chosen plays its sound again, so the timekeeper can listen twice.
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { chooseWarningSound(i); });
        connect(Option2[i], &QRadioButton::clicked, this, [this, i] { chooseTimeUpSound(i); });
    }
    for (int i = 0; i < int(Option3.size()); ++i)
        connect(Option3[i], &QRadioButton::clicked, this, [this, i] { chooseFormat(i); });
    connect(Check2, &QCheckBox::clicked, this, &SoundPage::showSystemTime);
}

void SoundPage::load()
{
    SettingsPage::load();

    // Selecting runs the same reaction as a click; Check1 is unchecked now, so nothing plays.
    const AlertSettings chosen = app().contest().alerts();
    if (const int i = chosen.warningChoice(); i >= 0) {
        Option1[i]->setChecked(true);
        chooseWarningSound(i);
    }
    if (const int i = chosen.timeUpChoice(); i >= 0) {
        Option2[i]->setChecked(true);
        chooseTimeUpSound(i);
    }
    if (Text3->text() == timeShownKeyword(true) || Text3->text() == timeShownKeyword(false)) {
        Check2->setChecked(chosen.timeShown());
        showSystemTime(chosen.timeShown());
    }
    for (int i = 0; i < int(Option3.size()); ++i) {
        if (chosen.format() == Formats[i]) {
            Option3[i]->setChecked(true);
            chooseFormat(i);
        }
    }
}

void SoundPage::chooseWarningSound(int index)
{
    Text1->setText(soundKeyword(index));
    if (Check1->isChecked())
        playAlertFile(this, alertSoundPath(Alert::Warning, index));
}

void SoundPage::chooseTimeUpSound(int index)
{
    Text2->setText(soundKeyword(index));
    if (Check1->isChecked())
        playAlertFile(this, alertSoundPath(Alert::TimeUp, index));
}

void SoundPage::chooseFormat(int index)
{
    Text4->setText(formatKeyword(Formats[index]));
    Label6->setText(index == 0 ? QStringLiteral("122s") : QStringLiteral("2分02秒"));
}

void SoundPage::showSystemTime(bool shown)
{
    Label4->setVisible(shown);
    Text3->setText(timeShownKeyword(shown));
}

QList<QLineEdit *> SoundPage::fileBoxes() const
{
    return {Text1, Text2, Text3, Text4};
}

} // namespace Dovrel
