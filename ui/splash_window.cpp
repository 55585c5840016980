#include "ui/splash_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "ui/form1_layout.h"
#include "ui/pictures.h"
#include "ui/splash_layout.h"

namespace kelvoria {

namespace {
using layout::Px;
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QRect Place(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
}  // namespace

SplashWindow::SplashWindow(std::function<void()> show_main, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), show_main_(std::move(show_main)) {
    using namespace splash_layout;
    LoadPictures();
    setObjectName("frmSplash");
    setWindowTitle(QString());
    setWindowIcon(QIcon(":/pictures/icon.png"));
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setGeometry(Place(kFrame1.left, kFrame1.top, kFrame1.width, kFrame1.height));
    frame->setAutoFillBackground(true);
    QPalette black = frame->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    frame->setPalette(black);
    frame->installEventFilter(this);
    frame_ = frame;

    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setGeometry(Place(kLogo.left, kLogo.top, kLogo.width, kLogo.height));
    logo->setScaledContents(true);
    logo->setPixmap(QPixmap(":/pictures/logo.png"));

    for (const auto& l : kLabels) {
        auto* label = new QLabel(Q(l.text), frame);
        label->setObjectName(Q(l.name));
        label->setGeometry(Place(l.left, l.top, l.width, l.height));
        QFont font(Q(l.family));
        font.setPointSizeF(l.points);
        font.setBold(true);
        font.setUnderline(l.underlined);
        label->setFont(font);
        label->setAutoFillBackground(true);
        label->setPalette(black);
        label->setAlignment((l.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    }
    // No control takes the focus: every key comes to the window itself.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setFocusPolicy(Qt::NoFocus);
    }
    move(screen()->geometry().center() - rect().center());
}

QLabel* SplashWindow::Label(const char* name) const { return findChild<QLabel*>(name); }

void SplashWindow::Form_Load() {
    const QStringList version = QApplication::applicationVersion().split('.');
    auto* lblVersion = Label("lblVersion");
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(version.value(0).toInt())
                            .arg(version.value(1).toInt())
                            .arg(version.value(2).toInt()));
    lblVersion->adjustSize();
    auto* lblProductName = Label("lblProductName");
    lblProductName->setText(QApplication::applicationName());
    lblProductName->adjustSize();

    player_.SetDeviceType(Q(splash_layout::kSoundDevice));
    player_.SetFileName(Q(splash_layout::kSoundFile));
    player_.Command("Open");
    player_.Command("Play");
}

void SplashWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // It has no title bar to click: take the keyboard at once.
    raise();
    activateWindow();
    setFocus();
}

bool SplashWindow::event(QEvent* e) {
    // Form_KeyPress: any key that produces a character, Tab included, which
    // would otherwise be taken for moving the focus.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (!key->text().isEmpty()) {
            Dismiss();
        }
        return true;
    }
    return QWidget::event(e);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* e) {
    // Frame1_Click: a click on the bare background only, not on a label or the logo.
    if (watched == frame_ && e->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && !frame_->childAt(mouse->position().toPoint())) {
            Dismiss();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void SplashWindow::Dismiss() {
    if (dismissing_) {
        return;
    }
    dismissing_ = true;
    player_.Command("Stop");
    hide();
    // The main window follows in this same handler, so the program never
    // finds itself without a window.
    show_main_();
    close();
}

void SplashWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    if (!dismissing_) {
        // Closed some other way: the main window is never shown.
        QCoreApplication::quit();
    }
}

}  // namespace kelvoria
