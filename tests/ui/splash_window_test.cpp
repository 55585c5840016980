#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/sound_control.h"
#include "ui/splash_layout.h"
#include "ui/splash_window.h"

using namespace kelvoria;

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// A point of the black background that no label or the logo covers.
constexpr QPoint kBareBackground(20, 270);
}  // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir drive_c;  // empty: there is no sound file here
    QPointer<SplashWindow> splash;
    int main_shown = 0;

    QWidget* Frame() const { return splash->findChild<QWidget*>("Frame1"); }

private slots:
    void initTestCase() {
        QVERIFY(drive_c.isValid());
        qputenv("KELVORIA_DRIVE_C", drive_c.path().toLocal8Bit());
    }
    void init() {
        QApplication::setApplicationName("Kelvoria Shutter Display");
        QApplication::setApplicationVersion("1.0.0.0");
        main_shown = 0;
        splash = new SplashWindow([this] {
            QVERIFY2(splash && !splash->isVisible(), "the main window came before the splash went");
            ++main_shown;
        });
        splash->Form_Load();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
        QApplication::setActiveWindow(splash.data());
    }
    void cleanup() {
        delete splash.data();
    }

    void everyLabelAtItsPlace() {
        using layout::Px;
        using namespace splash_layout;
        QCOMPARE(splash->size(), QSize(475, 282));
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        // The frame reaches 120 twips above the client area.
        const int frame_top = Px(kFrame1.top);
        for (const auto& l : kLabels) {
            QLabel* label = splash->Label(Q(l.name).toUtf8().constData());
            QVERIFY2(label, l.name.data());
            QCOMPARE(label->mapTo(splash.data(), QPoint(0, 0)), QPoint(Px(l.left), frame_top + Px(l.top)));
            if (l.sizes_to_text) {
                QCOMPARE(label->size(), label->sizeHint());
            } else {
                QCOMPARE(label->size(), QSize(Px(l.width), Px(l.height)));
                QCOMPARE(label->text(), Q(l.text));
            }
            QCOMPARE(label->font().pointSizeF(), l.points);
            QCOMPARE(label->font().underline(), l.underlined);
            QCOMPARE(QFontInfo(label->font()).family(), QString("Liberation Sans"));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
            QCOMPARE(bool(label->alignment() & Qt::AlignRight), l.align == Align::Right);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(Frame()->palette().color(QPalette::Window), QColor(Qt::black));

        auto* logo = splash->findChild<QLabel*>("imgLogo");
        QCOMPARE(logo->pixmap().size(), QSize(147, 131));
        const QImage art(":/pictures/logo.png");
        QCOMPARE(art.format(), QImage::Format_Indexed8);
        QVERIFY(art.colorCount() <= 256);

        const QImage icon = splash->windowIcon().pixmap(16, 16).toImage();
        QCOMPARE(icon, QIcon(":/pictures/icon.png").pixmap(16, 16).toImage());
    }

    void theVersionLineComesFromTheApplication_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("line");
        QTest::newRow("four parts") << "1.0.0.0" << "Version 1.0.0";
        QTest::newRow("two digits") << "2.10.37.4" << "Version 2.10.37";
        QTest::newRow("three parts") << "3.1.4" << "Version 3.1.4";
    }
    void theVersionLineComesFromTheApplication() {
        QFETCH(QString, version);
        QFETCH(QString, line);
        QApplication::setApplicationVersion(version);
        splash->Form_Load();
        QCOMPARE(splash->Label("lblVersion")->text(), line);
        QCOMPARE(splash->Label("lblVersion")->size(), splash->Label("lblVersion")->sizeHint());
        QCOMPARE(splash->Label("lblProductName")->text(), QString("Kelvoria Shutter Display"));
    }

    void keysThatGiveACharacterDismiss_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("letter") << int(Qt::Key_A) << true;
        QTest::newRow("space") << int(Qt::Key_Space) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << false;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false;
        QTest::newRow("Control alone") << int(Qt::Key_Control) << false;
    }
    void keysThatGiveACharacterDismiss() {
        QFETCH(int, key);
        QFETCH(bool, dismisses);
        QTest::keyClick(splash.data(), Qt::Key(key));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(main_shown, dismisses ? 1 : 0);
        // Dismissed means closed and discarded, not merely hidden.
        QCOMPARE(splash.isNull(), dismisses);
    }

    void onlyTheBareBackgroundDismissesOnAClick() {
        for (const char* name : {"lblProductName", "Label4", "lblCompany", "imgLogo"}) {
            auto* covered = splash->findChild<QWidget*>(name);
            QTest::mouseClick(covered, Qt::LeftButton, {}, covered->rect().center());
            QVERIFY2(splash->isVisible(), name);
        }
        QTest::mouseClick(Frame(), Qt::RightButton, {}, Frame()->mapFrom(splash.data(), kBareBackground));
        QVERIFY(splash->isVisible());
        QCOMPARE(main_shown, 0);

        QTest::mouseClick(Frame(), Qt::LeftButton, {}, Frame()->mapFrom(splash.data(), kBareBackground));
        QCOMPARE(main_shown, 1);
    }

    void theMainWindowIsShownExactlyOnce() {
        // A key and a click queued together: the second finds the splash gone.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::postEvent(splash.data(), key.clone());
        QApplication::postEvent(splash.data(), key.clone());
        QCoreApplication::processEvents();
        QCOMPARE(main_shown, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }

    void closingItAnyOtherWayEndsTheProgram() {
        QTimer::singleShot(0, splash.data(), [this] { splash->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(main_shown, 0);
    }

    void aMissingSoundFileIsSilent() {
        // init() already ran "Open" and "Play" on a file that is not there.
        QVERIFY(!splash->player().IsPlaying());
        splash->player().Command("Stop");
        QVERIFY(splash->isVisible());
    }

    void theSoundPathKeepsItsFoldersUnderTheRootForC_data() {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("local");
        QTest::newRow("mapped drive") << "/srv/c" << "C:\\My Music\\aamra[1].wav" << "/srv/c/My Music/aamra[1].wav";
        QTest::newRow("trailing slash") << "/srv/c/" << "C:\\a.wav" << "/srv/c/a.wav";
        QTest::newRow("home when unset") << "" << "C:\\My Music\\aamra[1].wav"
                                         << QDir::homePath() + "/My Music/aamra[1].wav";
    }
    void theSoundPathKeepsItsFoldersUnderTheRootForC() {
        QFETCH(QString, root);
        QFETCH(QString, windows);
        QFETCH(QString, local);
        const QByteArray saved = qgetenv("KELVORIA_DRIVE_C");
        if (root.isEmpty()) {
            qunsetenv("KELVORIA_DRIVE_C");
        } else {
            qputenv("KELVORIA_DRIVE_C", root.toLocal8Bit());
        }
        const QString mapped = SoundControl::LocalPath(windows);
        qputenv("KELVORIA_DRIVE_C", saved);
        QCOMPARE(mapped, local);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RegisterFontSubstitutes();
    SplashWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "splash_window_test.moc"
