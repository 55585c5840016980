#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/panel.h"
#include "app/qt_host.h"
#include "link/serial_link.h"
#include "ui/fonts.h"
#include "ui/form1_window.h"
#include "ui/splash_window.h"

namespace {

// Without a display Qt would abort with a core dump; say so plainly instead.
void FatalToPlainExit(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "Kelvoria Shutter Display: no display is available. Start it on a desktop, "
                     "or under a virtual display: xvfb-run -a kelvoria-shutter-display\n");
        std::_Exit(1);
    }
}

// The main window with everything it drives, created when first shown.
struct MainPanel {
    kelvoria::SerialLink port;
    kelvoria::QtEventPump pump;
    kelvoria::QtLifecycle lifecycle;
    kelvoria::Form1Window window;
    kelvoria::Panel panel{window, port, pump, lifecycle};

    MainPanel() { window.Attach(&panel); }
};

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(FatalToPlainExit);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Kelvoria Shutter Display"));
    QApplication::setApplicationVersion(QStringLiteral(KELVORIA_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    kelvoria::RegisterFontSubstitutes();

    std::unique_ptr<MainPanel> main_panel;
    const auto show_main = [&main_panel] {
        if (!main_panel) {
            main_panel = std::make_unique<MainPanel>();
            main_panel->panel.Load();
        }
        main_panel->window.show();
    };
    auto* splash = new kelvoria::SplashWindow(show_main);
    splash->Form_Load();
    splash->show();
    return app.exec();
}
