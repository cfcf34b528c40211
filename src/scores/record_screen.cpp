#include "scores/record_screen.h"

#include "platform/platform.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/messages.h"
#include "shell/small_window.h"

#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

namespace Dovrel {

namespace {

constexpr int Width = 9600;
constexpr int Height = 6240;
constexpr int OvertimeColumn = 5;

} // namespace

RecordScreen::RecordScreen(Application &app) : Screen(app)
{
    setDesignClientSize(Width, Height);
    setFont(designFont(QStringLiteral("宋体"), 10.5));
    fixSmallWindow(this);
    setShown(Shown::OverMenu);

    makeSmallWindowHeading(this, QStringLiteral("用时记录"), Width);
    Table1 = makeControl<QTableWidget>(this, QStringLiteral("Table1"), 240, 840, Width - 480, 4560);
    // The record's columns but the day, which the screen shows once.
    const QStringList columns = recordHeader().mid(1);
    Table1->setColumnCount(int(columns.size()));
    Table1->setHorizontalHeaderLabels(columns);
    Table1->verticalHeader()->hide();
    Table1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table1->horizontalHeader()->setStretchLastSection(true);
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionBehavior(QAbstractItemView::SelectRows);
    setBackColour(Table1, QColor(255, 255, 255));

    connect(makeButton(this, QStringLiteral("Command1"), 2400, 5640, 1815, QStringLiteral("复制到剪切板")),
            &QPushButton::clicked, this, &RecordScreen::copyRows);
    connect(makeButton(this, QStringLiteral("Command2"), 5400, 5640, 1815, QStringLiteral("打开所在文件夹")),
            &QPushButton::clicked, this, &RecordScreen::openFolder);
    makeCaptionTimer(QStringLiteral("Timer1"), QStringLiteral("用时记录"));
}

void RecordScreen::load()
{
    setWindowTitle(QStringLiteral("用时记录"));
    const QDate today = QDate::currentDate();
    m_rows = app().speakingRecord().rowsOf(today);
    Table1->setRowCount(int(m_rows.size()));
    for (int row = 0; row < int(m_rows.size()); ++row) {
        const SpeakingRow &run = m_rows.at(row);
        const QStringList cells = recordFields(run).mid(1);
        for (int column = 0; column < int(cells.size()); ++column) {
            auto *cell = new QTableWidgetItem(cells.at(column));
            if (column == OvertimeColumn && run.overtime > 0)
                cell->setForeground(Colours::Red);
            Table1->setItem(row, column, cell);
        }
    }
    Table1->setToolTip(recordDayText(today));
}

void RecordScreen::copyRows()
{
    app().platform().setClipboardText(recordText(m_rows));
    inform(this, QStringLiteral("用时记录已复制到剪切板"));
}

void RecordScreen::openFolder()
{
    const QString folder = app().speakingRecord().folder();
    QDir().mkpath(folder);
    if (!app().platform().openUrl(QUrl::fromLocalFile(folder).toString()))
        inform(this, QStringLiteral("无法打开文件夹：\n") + QDir::toNativeSeparators(folder));
}

void RecordScreen::closing()
{
    app().screens().unload(this);
}

} // namespace Dovrel
