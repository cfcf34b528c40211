#include "scores/record_screen.h"

#include "core/program_identity.h"
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

QString dayText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy年M月d日"));
}

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
    Table1->setToolTip(dayText(today));
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

QString recordReportSection(const QDate &day, const QList<SpeakingRow> &rows)
{
    QString section = QStringLiteral("\r\n用时记录（") + dayText(day) + QStringLiteral("）\r\n");
    if (rows.isEmpty())
        return section + QStringLiteral("       （无）\r\n");
    for (const SpeakingRow &run : rows) {
        section += QStringLiteral("       %1  %2  %3  限时%4秒  用时%5秒  超时%6秒  暂停%7次\r\n")
                       .arg(run.started.time().toString(QStringLiteral("HH:mm:ss")), run.stage, run.side)
                       .arg(run.limit)
                       .arg(run.spoken)
                       .arg(run.overtime)
                       .arg(run.pauses);
    }
    return section;
}

} // namespace Dovrel
