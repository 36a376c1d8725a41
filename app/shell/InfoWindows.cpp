#include "shell/InfoWindows.h"

#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* kAcknowledgements =
    "Trovanex Voze brings together the calculations that lighting designers, production electricians "
    "and riggers use every day on theatre, concert and event work.\n\n"
    "Reference books\n"
    "- IESNA Lighting Handbook, Illuminating Engineering Society of North America.\n"
    "- Richard Cadena, Electricity for the Entertainment Electrician & Technician, Focal Press.\n"
    "- Harry Donovan, Entertainment Rigging, Rigging Seminars.\n"
    "- Jay O. Glerum, Stage Rigging Handbook, Southern Illinois University Press.\n"
    "- ANSI E1.11 (USITT DMX512-A), Entertainment Services and Technology Association.\n"
    "- National Electrical Code, NFPA 70, National Fire Protection Association.\n\n"
    "Thanks to the technicians who checked the formulas against their own paperwork and sent "
    "corrections, fixture data and ideas.";

const char* kDisclaimer =
    "Trovanex Voze is an aid for planning. The results it shows are only as good as the values "
    "entered and the data in its catalogues, and they are no substitute for the judgement of a "
    "qualified person.\n\n"
    "Electrical installations must be designed, checked and connected by a qualified electrician "
    "in accordance with the codes in force where the equipment is used. Rigging must be planned "
    "and carried out by a competent rigger; working load limits, safety factors and the structure "
    "that carries the load must be verified independently of this program.\n\n"
    "The software is provided \"as is\", without warranty of any kind, express or implied. In no "
    "event shall the authors be liable for any claim, damages or other liability arising from the "
    "use of the software or of the results it produces.";

} // namespace

TFormSplash::TFormSplash(const QString& resourcesFolder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      logo_(resourcesFolder + QStringLiteral("TVX_Logo.bmp"))
{
    setObjectName(QStringLiteral("FormSplash"));
    setFixedSize(426, 387);
    centreOnScreen(this);
}

void TFormSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // A vertical gradient in 150 bands from blue to a pale grey-blue.
    const QColor from(94, 94, 255);
    const QColor to(206, 211, 227);
    constexpr int steps = 150;
    for (int i = 0; i < steps; ++i) {
        const double t = double(i) / (steps - 1);
        const QColor c(int(from.red() + t * (to.red() - from.red())), int(from.green() + t * (to.green() - from.green())),
                       int(from.blue() + t * (to.blue() - from.blue())));
        const int y0 = height() * i / steps;
        const int y1 = height() * (i + 1) / steps;
        p.fillRect(0, y0, width(), y1 - y0, c);
    }

    QFont title(QStringLiteral("Arial"), 26, QFont::Bold);
    p.setFont(title);
    const QRect titleRect(0, 14, width(), 50);
    const QString name = QString::fromUtf8(tvxapp::ApplicationName);
    // Raised lettering: a light edge above left, a dark one below right.
    p.setPen(QColor(255, 255, 255));
    p.drawText(titleRect.translated(-1, -1), Qt::AlignCenter, name);
    p.setPen(QColor(30, 30, 90));
    p.drawText(titleRect.translated(2, 2), Qt::AlignCenter, name);
    p.setPen(QColor(150, 160, 255));
    p.drawText(titleRect, Qt::AlignCenter, name);

    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("Arial"), 10));
    p.drawText(QRect(0, 64, width(), 22), Qt::AlignCenter, QStringLiteral("Version 1.02 build 1"));

    const QRect logoFrame(63, 96, 300, 230);
    if (!logo_.isNull()) {
        const QPixmap scaled = logo_.scaled(logoFrame.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QRect r(QPoint(0, 0), scaled.size());
        r.moveCenter(logoFrame.center());
        p.drawPixmap(r.topLeft(), scaled);
    }

    p.setFont(QFont(QStringLiteral("Arial"), 9));
    p.drawText(QRect(0, height() - 40, width(), 22), Qt::AlignCenter, QStringLiteral("Loading......."));
}

TViewAbout::TViewAbout(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ViewAbout"));
    setWindowTitle(QStringLiteral("About Trovanex Voze"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(540, 377);

    auto* title = new QLabel(QStringLiteral("TROVANEX VOZE"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont f(QStringLiteral("Arial"), 16, QFont::Bold);
    f.setUnderline(true);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color: navy;"));
    title->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version: ") + QString::fromUtf8(tvxapp::VersionText), this);
    version->setObjectName(QStringLiteral("Label13"));
    auto* release = new QLabel(QStringLiteral("Release date: ") + QString::fromUtf8(tvxapp::ReleaseDate), this);
    auto* folder = new QLabel(QStringLiteral("Folder: ") + context.startupFolder(), this);
    folder->setObjectName(QStringLiteral("Label2"));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("ImageLogo"));
    logo->setFixedSize(150, 150);
    logo->setAlignment(Qt::AlignCenter);
    const QPixmap pix(context.resourcePath(QStringLiteral("TVX_Logo.bmp")));
    if (!pix.isNull())
        logo->setPixmap(pix.scaled(logo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* facts = new QVBoxLayout;
    facts->addWidget(version);
    facts->addWidget(release);
    facts->addWidget(folder);
    facts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addLayout(facts, 1);

    auto* thanks = new QTextBrowser(this);
    thanks->setObjectName(QStringLiteral("MemoAcknowledgements"));
    thanks->setPlainText(QString::fromUtf8(kAcknowledgements));

    auto* report = new QLabel(QStringLiteral("Any bugs / comments can be report at: <a href=\"mailto:%1\">%1</a>")
                                  .arg(QString::fromUtf8(tvxapp::SupportEmail)),
                              this);
    report->setObjectName(QStringLiteral("LabelEmail"));
    report->setOpenExternalLinks(true);
    auto* latest = new QLabel(QStringLiteral("<a href=\"%1\">Click here for the lastest version</a>")
                                  .arg(QString::fromUtf8(tvxapp::WebSite)),
                              this);
    latest->setObjectName(QStringLiteral("LabelWeb"));
    latest->setOpenExternalLinks(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(report);
    links->addWidget(latest);
    bottom->addLayout(links, 1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(top);
    layout->addWidget(thanks, 1);
    layout->addLayout(bottom);
    centreOnScreen(this);
}

TFormDisclaimer::TFormDisclaimer(AppContext&, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormDisclaimer"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(480, 330);

    auto* heading = new QLabel(QStringLiteral("Disclaimer"), this);
    heading->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    auto* body = new QTextBrowser(this);
    body->setObjectName(QStringLiteral("MemoDisclaimer"));
    body->setPlainText(QString::fromUtf8(kDisclaimer));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(body, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    centreOnScreen(this);
}
