#include "settings/settings_page.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/messages.h"
#include "shell/settings_save.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace Dovrel {

namespace {
constexpr int ButtonTop = 7800;
} // namespace

SettingsPage::SettingsPage(Application &app, PageFile file, std::optional<QFont> buttonFont)
    : Screen(app), m_file(file), m_buttonFont(std::move(buttonFont))
{
    // Every page opens in the middle of the timekeeper's display, so turning the pages keeps them in one place.
    setUpFullSize(Colours::SettingsPage, designFont(QStringLiteral("宋体"), 10.5), Shown::Centred);
}

void SettingsPage::load()
{
    recordDesign();
    Contest &contest = app().contest();
    contest.loadFromFile(m_file);
    const QStringList values = contest.lines(m_file);
    const QList<QLineEdit *> boxes = fileBoxes();
    for (int i = 0; i < int(boxes.size()); ++i) {
        boxes[i]->setText(values.value(i));
        connect(boxes[i], &QLineEdit::textChanged, this,
                [this, i](const QString &text) { app().contest().setLine(m_file, i, text); });
    }
}

void SettingsPage::unloading()
{
    app().contest().release(m_file);
}

QList<QLineEdit *> SettingsPage::clearedBoxes() const
{
    return fileBoxes();
}

QLabel *SettingsPage::makeSidePicture(const QString &name)
{
    QLabel *picture = makeControl<QLabel>(this, name, 240, 1440, 1755, 4740);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/settings_side.png")));
    return picture;
}

QPushButton *SettingsPage::makePageButton(const QString &name, int left, int width, const QString &caption)
{
    return makeButton(this, name, left, ButtonTop, width, caption, ButtonFace::System, m_buttonFont);
}

QPushButton *SettingsPage::makeBackButton(const QString &name, int left, int width)
{
    QPushButton *button = makePageButton(name, left, width, QStringLiteral("返回主菜单"));
    setBackColour(button, Colours::BackButton);
    connect(button, &QPushButton::clicked, this, [this] { returnToMenu(this); });
    return button;
}

QPushButton *SettingsPage::makeSaveButton(const QString &name, int left, int width)
{
    QPushButton *button = makePageButton(name, left, width, QStringLiteral("保存设置"));
    connect(button, &QPushButton::clicked, this, &SettingsPage::saveSettings);
    return button;
}

QPushButton *SettingsPage::makeClearButton(const QString &name, int left, int width)
{
    QPushButton *button = makePageButton(name, left, width, QStringLiteral("清空设置"));
    connect(button, &QPushButton::clicked, this, &SettingsPage::clearSettings);
    return button;
}

QPushButton *SettingsPage::makeTurnButton(const QString &name, int left, int width, const QString &caption,
                                          std::function<Screen *()> page)
{
    QPushButton *button = makePageButton(name, left, width, caption);
    connect(button, &QPushButton::clicked, this, [this, page = std::move(page)] {
        page()->show();
        hide();
    });
    return button;
}

void SettingsPage::saveSettings()
{
    if (!reportSettingsSave(this, settingsFileName(m_file), app().contest().save(m_file)))
        return;
    inform(this, QStringLiteral("数据保存成功！"));
    repaintMenu(this);
}

void SettingsPage::clearSettings()
{
    if (confirm(this, QStringLiteral("是否清空设置？"))) {
        for (QLineEdit *box : clearedBoxes())
            box->clear();
    }
    repaintMenu(this);
}

} // namespace Dovrel
