#include "scores/report_screen.h"

#include "core/line_file.h"
#include "core/report_text.h"
#include "core/text_encoding.h"
#include "platform/platform.h"
#include "scores/result_screen.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace Dovrel {

namespace {

// Where the save dialog opens: the folder of the last report saved while it is still there, or else the user's
// documents; never the program's own folder, which for an installed copy is hidden away.
QString reportFolder(const ProgramSettings &settings)
{
    const QString last = settings.reportFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// The report lines up by blanks, which needs 宋体's Latin letters and blanks at half the width of a Chinese
// character. Where 宋体 is not installed, a face of that kind stands in before the general substitutes, whose
// blanks are narrow.
QFont reportFont()
{
    QFont font = designFont(QStringLiteral("宋体"), 12);
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("宋体")) || installed.contains(QStringLiteral("SimSun"), Qt::CaseInsensitive))
        return font;
    for (const QString &face : {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans Mono CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei Mono")}) {
        if (installed.contains(face, Qt::CaseInsensitive)) {
            font.setFamily(face);
            break;
        }
    }
    return font;
}

} // namespace

ReportScreen::ReportScreen(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Clock, designFont(QStringLiteral("宋体"), 9), Shown::Centred);

    Text1 = makeControl<QPlainTextEdit>(this, QStringLiteral("Text1"), 720, 240, 10455, 7575);
    Text1->setFont(reportFont());
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The box is white as a text box is, not in the screen's colour.
    setBackColour(Text1, QApplication::palette().color(QPalette::Base));

    connect(makeButton(this, QStringLiteral("Command1"), 3480, 8040, 1575, QStringLiteral("复制此处内容")),
            &QPushButton::clicked, this, &ReportScreen::copyReport);
    connect(makeButton(this, QStringLiteral("Command3"), 5400, 8040, 1575, QStringLiteral("另存为文本文件")),
            &QPushButton::clicked, this, &ReportScreen::saveReport);
    // Printing is not part of the program; the button is shown greyed.
    makeButton(this, QStringLiteral("Command2"), 7200, 8040, 1575, QStringLiteral("打印"))->setEnabled(false);
    auto *withRecord = makeControl<QCheckBox>(this, QStringLiteral("Check1"), 9000, 8040, 1800, 375);
    withRecord->setText(QStringLiteral("附用时记录"));
    connect(withRecord, &QCheckBox::toggled, this, &ReportScreen::attachRecord);

    makeCaptionTimer(QStringLiteral("Timer1"));
}

void ReportScreen::load()
{
    recordDesign();
    const ShownResult result = storedResult(app());
    const QString text = Dovrel::reportText(
        {app().contest().details().lines, result.affirmativeTotal, result.negativeTotal, result.winner, reportStamp()});
    // The box keeps its lines as paragraphs; line ends go back to CR LF when the text leaves it.
    Text1->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void ReportScreen::attachRecord(bool attached)
{
    // The box keeps its lines as paragraphs, as the report itself.
    QString text = Text1->toPlainText();
    if (attached) {
        const QDate today = QDate::currentDate();
        m_recordSection = recordReportSection(today, app().speakingRecord().rowsOf(today))
                              .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text += m_recordSection;
    } else if (!m_recordSection.isEmpty() && text.endsWith(m_recordSection)) {
        text.chop(m_recordSection.size());
    }
    Text1->setPlainText(text);
}

QString ReportScreen::reportText() const
{
    return Text1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void ReportScreen::copyReport()
{
    app().platform().setClipboardText(reportText());
    inform(this, QStringLiteral("文本已复制到剪切板"));
}

void ReportScreen::saveReport()
{
    FileDialogRequest request;
    request.title = QStringLiteral("另存为");
    request.filter = QStringLiteral("文本文件(*.TXT)|*.TXT");
    request.initialFile = m_lastFileName;
    request.initialFolder = reportFolder(app().programSettings());
    // The dialog adds it where it can, so that it asks before replacing the file the name will really be.
    request.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> chosen = app().platform().saveFileName(this, request);
    // A cancelled dialog writes nothing, even when a file was chosen earlier on this screen.
    if (!chosen || chosen->isEmpty())
        return;
    const QString path = reportFileName(*chosen);
    m_lastFileName = path;
    const SaveResult saved = writeFileAtomically(path, encodeAnsi(reportText() + QStringLiteral("\r\n")));
    if (saved.ok) {
        app().programSettings().setReportFolder(QFileInfo(path).absolutePath());
        return;
    }
    warn(this, QStringLiteral("无法保存文件 ") + QDir::toNativeSeparators(path) +
                   QStringLiteral("，报表未保存。\n请检查文件夹是否存在、文件是否只读。"));
}

} // namespace Dovrel
