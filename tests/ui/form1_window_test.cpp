#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "app/failure.h"
#include "app/panel.h"
#include "ui/circle.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/form1_window.h"

using namespace kelvoria;

namespace {

// Records the bytes the panel writes; the window is the real one.
class RecordingPort : public SerialControl, public EventPump, public Lifecycle {
public:
    void SetSettings(std::string_view) override {}
    void SetCommPort(std::int16_t) override {}
    bool PortOpen() const override { return open; }
    void SetPortOpen(bool o) override { open = o; }
    void Output(std::uint8_t byte) override { bytes.push_back(byte); }
    void PumpEvents() override { QCoreApplication::processEvents(); }
    void ReportFailure(const PanelFailure& f) override { qFatal("%s", f.message().c_str()); }
    [[noreturn]] void EndProgram(int status) override { throw status; }

    bool open = false;
    std::vector<std::uint8_t> bytes;
};

}  // namespace

class Form1WindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Form1Window> window;
    std::unique_ptr<RecordingPort> port;
    std::unique_ptr<Panel> panel;

private slots:
    void init() {
        window = std::make_unique<Form1Window>();
        port = std::make_unique<RecordingPort>();
        panel = std::make_unique<Panel>(*window, *port, *port, *port);
        window->Attach(panel.get());
        panel->Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
    }
    void cleanup() {
        panel.reset();
        window.reset();
    }

    void everyControlAtItsPlace() {
        using layout::Px;
        QCOMPARE(window->windowTitle(), QString("KELVORIA 2001"));
        QCOMPARE(window->size(), QSize(801, 395));
        for (const auto& b : layout::kButtons) {
            auto* w = window->findChild<QWidget*>(QString::fromUtf8(b.name.data(), b.name.size()));
            QVERIFY2(w, b.name.data());
            const QPoint at = w->mapTo(window.get(), QPoint(0, 0));
            QCOMPARE(QRect(at, w->size()), QRect(Px(b.left), Px(b.top), Px(b.width), Px(b.height)));
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                QCOMPARE(button->text(), QString::fromUtf8(b.caption.data(), b.caption.size()));
                QVERIFY(!button->isDefault() && !button->autoDefault());
            }
            QCOMPARE(w->font().bold(), b.bold == layout::Bold::Yes);
            QVERIFY(!w->accessibleName().isEmpty());
        }
        QCOMPARE(window->Button(Control::SHUTTER2)->accessibleName(), QString("Shutter 2"));
        for (const auto& c : layout::kCircles) {
            Circle* circle = window->CircleFor(c.shape);
            QCOMPARE(circle->Fill(), c.start);
            QCOMPARE(circle->geometry(), QRect(Px(c.left), Px(c.top), Px(c.width), Px(c.height)));
        }
        QCOMPARE(window->ExposureList()->count(), 5);
        QVERIFY(window->ExposureList()->selectedItems().isEmpty());
    }

    void tabChainRunsInTabIndexOrder() {
        const QStringList order = {"SHUTTER1", "SHUTTER2", "SHUTTER3",    "SHUTTER4", "SHUTTER5",
                                   "SHUTTER6", "ROUTINE1", "ExposureSel", "ROUTINE2", "ROUTINE3",
                                   "ROUTINE4", "ROUTINE5", "ENDPROGRAM",  "SHUTTER1"};
        QCOMPARE(QApplication::focusWidget()->objectName(), order[0]);
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void accessKeysClickTheirButtons_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<std::vector<std::uint8_t>>("bytes");
        QTest::newRow("Alt+1") << int(Qt::Key_1) << std::vector<std::uint8_t>{0x80};
        QTest::newRow("Alt+2 does nothing") << int(Qt::Key_2) << std::vector<std::uint8_t>{};
        QTest::newRow("Alt+3") << int(Qt::Key_3) << std::vector<std::uint8_t>{0x84};
        QTest::newRow("Alt+4") << int(Qt::Key_4) << std::vector<std::uint8_t>{0x90};
        QTest::newRow("Alt+5") << int(Qt::Key_5) << std::vector<std::uint8_t>{0x92};
        QTest::newRow("Alt+6") << int(Qt::Key_6) << std::vector<std::uint8_t>{0x94};
        QTest::newRow("Alt+O") << int(Qt::Key_O)
                               << std::vector<std::uint8_t>{0x80, 0x82, 0x84, 0x90, 0x92, 0x94};
        QTest::newRow("Alt+C") << int(Qt::Key_C)
                               << std::vector<std::uint8_t>{0x81, 0x83, 0x85, 0x91, 0x93, 0x95};
    }
    void accessKeysClickTheirButtons() {
        QFETCH(int, key);
        QFETCH(std::vector<std::uint8_t>, bytes);
        QTest::keyClick(window.get(), Qt::Key(key), Qt::AltModifier);
        // Access keys click with a short press animation.
        QTest::qWait(300);
        QCOMPARE(port->bytes, bytes);
    }

    void spaceRightAfterShowingClicksShutter1() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(port->bytes, std::vector<std::uint8_t>{0x80});
        QCOMPARE(window->CircleFor(Shape::Shape1)->Fill(), ColourOpen);
    }

    void growingTheWindowMovesNothing() {
        const QRect before = window->Button(Control::ENDPROGRAM)->geometry();
        const QRect circle = window->CircleFor(Shape::Shape6)->geometry();
        window->resize(1200, 700);
        QCoreApplication::processEvents();
        QCOMPARE(window->Button(Control::ENDPROGRAM)->geometry(), before);
        QCOMPARE(window->CircleFor(Shape::Shape6)->geometry(), circle);
    }

    void listSelectionStoresTheScaledExposure() {
        window->ExposureList()->setCurrentRow(1);
        QCOMPARE(panel->state().ExposureValue, 7500000 * 2.5);
        QVERIFY(port->bytes.empty());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RegisterFontSubstitutes();
    Form1WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "form1_window_test.moc"
