#include "viewers/viewer_screen.h"

#include "core/program_identity.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/hall_display.h"
#include "shell/small_window.h"
#include "viewers/qr_code.h"
#include "viewers/viewer_service.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace Dovrel {

namespace {

constexpr int Width = 9000;
constexpr int Height = 7440;
// Long enough for a phone or two to have tried; then the firewall is the likely reason none came.
constexpr int NoViewerNoteMs = 60'000;

QPixmap codePixmap(const QString &address, int side)
{
    const QImage code = qrCodeImage(address);
    if (code.isNull())
        return QPixmap();
    // Whole pixels a module, so no module is blurred.
    const int scale = std::max(1, side / code.width());
    return QPixmap::fromImage(code.scaled(code.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

// The code and the address full-screen on the hall's display, for the hall to scan; a click or a key closes it.
class HallCode final : public QWidget
{
public:
    HallCode(const QString &address, QScreen *display)
    {
        setObjectName(QStringLiteral("HallCode"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(applicationTitle());
        setBackColour(this, Colours::Display);
        auto *layout = new QVBoxLayout(this);
        auto *heading = new QLabel(QStringLiteral("手机扫码，观看计时"), this);
        heading->setFont(designFont(QStringLiteral("楷体_GB2312"), 40, true));
        heading->setAlignment(Qt::AlignCenter);
        auto *code = new QLabel(this);
        code->setAlignment(Qt::AlignCenter);
        const int side = display ? int(display->availableGeometry().height() * 0.6) : 600;
        code->setPixmap(codePixmap(address, side));
        auto *text = new QLabel(address, this);
        text->setFont(designFont(QStringLiteral("宋体"), 36, true));
        text->setAlignment(Qt::AlignCenter);
        text->setTextInteractionFlags(Qt::NoTextInteraction);
        for (QLabel *label : {heading, code, text})
            layout->addWidget(label);
        maximiseOn(this, display);
        showMaximized();
    }

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        close();
    }
    void keyPressEvent(QKeyEvent *) override
    {
        close();
    }
};

} // namespace

ViewerScreen::ViewerScreen(Application &app) : Screen(app)
{
    setDesignClientSize(Width, Height);
    setFont(designFont(QStringLiteral("宋体"), 10.5));
    fixSmallWindow(this);
    setShown(Shown::OverMenu);

    makeSmallWindowHeading(this, QStringLiteral("手机观看"), Width);
    Check1 = makeControl<QCheckBox>(this, QStringLiteral("Check1"), 360, 840, Width - 720, 375);
    Check1->setText(QStringLiteral("开启手机观看：同一网络（或本机热点）中的手机用浏览器打开下面的地址即可观看"));
    makeLabel(this, QStringLiteral("Label2"), 360, 1440, 1200, 375, QStringLiteral("本机地址"));
    Combo1 = makeControl<QComboBox>(this, QStringLiteral("Combo1"), 1560, 1380, 3000, 375);
    Label3 = makeLabel(this, QStringLiteral("Label3"), 360, 1980, Width - 720, 600);
    Label3->setFont(designFont(QStringLiteral("宋体"), 20, true));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Picture1 = makeControl<QLabel>(this, QStringLiteral("Picture1"), (Width - 3000) / 2, 2640, 3000, 3000);
    Picture1->setAlignment(Qt::AlignCenter);
    Label4 = makeLabel(this, QStringLiteral("Label4"), 360, 5760, Width - 720, 375);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5 = makeLabel(this, QStringLiteral("Label5"), 360, 6120, Width - 720, 600);
    setTextColour(Label5, Colours::Red);
    Command1 = makeButton(this, QStringLiteral("Command1"), (Width - 2775) / 2, 6840, 2775,
                          QStringLiteral("在大屏幕上显示二维码"));
    makeCaptionTimer(QStringLiteral("Timer1"), QStringLiteral("手机观看"));
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), NoViewerNoteMs, false);
    Timer2->setSingleShot(true);

    ViewerService &service = viewerService(app);
    connect(Check1, &QCheckBox::clicked, this, &ViewerScreen::turn);
    connect(Combo1, &QComboBox::activated, this, &ViewerScreen::chooseAddress);
    connect(Command1, &QPushButton::clicked, this, &ViewerScreen::showOnHallDisplay);
    connect(&service, &ViewerService::viewerCountChanged, this, &ViewerScreen::showViewers);
    connect(Timer2, &QTimer::timeout, this, [this] {
        Label5->setText(QStringLiteral("已开启一分钟，还没有手机连上。若手机打不开这个地址，可能是防火墙拦住了连接："
                                       "请在防火墙中允许 Dovrel，或确认手机与本机在同一网络。"));
    });
}

ViewerScreen::~ViewerScreen()
{
    if (m_hallCode)
        m_hallCode->close();
}

void ViewerScreen::load()
{
    setWindowTitle(QStringLiteral("手机观看"));
    ViewerService &service = viewerService(app());
    Check1->setChecked(service.enabled());
    showAddress();
    showViewers(service.viewerCount());
}

void ViewerScreen::turn(bool on)
{
    ViewerService &service = viewerService(app());
    Label5->clear();
    if (!service.setEnabled(on)) {
        Check1->setChecked(false);
        Label5->setText(QStringLiteral("无法在端口 %1 上开启：%2").arg(service.port()).arg(service.error()));
    }
    if (service.enabled() && service.viewerCount() == 0)
        Timer2->start();
    else
        Timer2->stop();
    showAddress();
    showViewers(service.viewerCount());
}

void ViewerScreen::chooseAddress(int index)
{
    viewerService(app()).chooseAddress(Combo1->itemText(index));
    showAddress();
}

void ViewerScreen::showAddress()
{
    ViewerService &service = viewerService(app());
    const QStringList offered = service.addresses();
    const QString chosen = service.address(offered);
    Combo1->clear();
    Combo1->addItems(offered);
    Combo1->setCurrentIndex(int(offered.indexOf(chosen)));
    // A choice only where there is one to make.
    Combo1->setEnabled(offered.size() > 1);
    m_page = service.pageAddress(chosen);
    const QString &page = m_page;
    const bool on = service.enabled();
    if (page.isEmpty()) {
        Label3->setText(QStringLiteral("本机没有连接网络：请连上比赛场地的 Wi-Fi，或打开本机的移动热点"));
        Picture1->clear();
    } else {
        Label3->setText(page);
        Picture1->setPixmap(codePixmap(page, Picture1->width()));
    }
    Picture1->setEnabled(on);
    Command1->setEnabled(on && !page.isEmpty());
}

void ViewerScreen::showViewers(int viewers)
{
    if (!viewerService(app()).enabled()) {
        Label4->setText(QStringLiteral("未开启：手机还不能观看"));
        return;
    }
    Label4->setText(QStringLiteral("正在观看的手机：%1 台").arg(viewers));
    if (viewers > 0) {
        Timer2->stop();
        Label5->clear();
    }
}

void ViewerScreen::showOnHallDisplay()
{
    if (m_page.isEmpty())
        return;
    if (m_hallCode)
        m_hallCode->close();
    m_hallCode = new HallCode(m_page, app().hallDisplay());
}

void ViewerScreen::closing()
{
    app().screens().unload(this);
}

} // namespace Dovrel
