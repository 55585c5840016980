#pragma once

#include <QWidget>
#include <functional>

#include "ui/sound_control.h"

class QLabel;

namespace kelvoria {

// "frmSplash": the title, version, maker's lines and logo on black, with the
// start-up sound. Any key that gives a character, or a click on the bare
// black background, dismisses it and hands over to the main window.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // show_main runs once, after the splash has closed, in the same handler.
    explicit SplashWindow(std::function<void()> show_main, QWidget* parent = nullptr);

    void Form_Load();
    QLabel* Label(const char* name) const;
    SoundControl& player() { return player_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dismiss();

    QWidget* frame_ = nullptr;
    SoundControl player_;
    std::function<void()> show_main_;
    bool dismissing_ = false;
};

}  // namespace kelvoria
