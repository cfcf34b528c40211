#include "shell/main_menu.h"

#include "shell/application.h"
#include "shell/caption_cycle.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/proportional_layout.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace Dovrel {

Form4::Form4(Application &app)
    : Screen(app, QStringLiteral("Form4"))
{
    setDesignClientSize(DesignWidth, DesignHeight);
    setProportionalLayout(true);
    setBackColour(this, QColor(94, 200, 109));
    setFont(designFont(QStringLiteral("宋体"), 10.5));

    Image1 = makeControl<QLabel>(this, QStringLiteral("Image1"), 0, 0, DesignWidth, DesignHeight);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/menu_background.jpg")));

    Label1 = makeLabel(this, QStringLiteral("Label1"), 3960, 240, 4455, 495, QStringLiteral("Dovrel主菜单"));
    Label1->setFont(designFont(QStringLiteral("楷体_GB2312"), 24, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label1, QColor(0, 0, 255));

    Label2 = makeLabel(this, QStringLiteral("Label2"), 9480, 240, 2295, 375);
    Label2->setFont(designFont(QStringLiteral("楷体_GB2312"), 15.75, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackColour(Label2, QColor(255, 128, 0));

    Label3 = makeLabel(this, QStringLiteral("Label3"), 360, 480, 2175, 375, QStringLiteral("版本：2.2.0.5"));
    Label3->setFont(designFont(QStringLiteral("宋体"), 12, true));
    setTextColour(Label3, QColor(255, 0, 0));

    Label4 = makeLabel(this, QStringLiteral("Label4"), 240, 120, 1455, 255, QStringLiteral("按F1寻求帮助"));

    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 500, true);
    connect(Timer1, &QTimer::timeout, this, [this] { AnimateCaption(this); });
}

void Form4::load()
{
    RecordLayout(this);
    setWindowTitle(applicationTitle());
}

void Form4::closing()
{
    app().exitProgram();
}

void Form4::resized()
{
    Image1->setGeometry(0, 0, frameGeometry().width(), frameGeometry().height());
}

} // namespace Dovrel
