#pragma once

#include <QWidget>
#include <array>
#include <map>

#include "app/panel.h"
#include "app/panel_ports.h"

class QListWidget;
class QPushButton;

namespace kelvoria {

class Circle;

// The main window, "Form1": a fixed panel of buttons and circles over the
// background picture. It paints what the panel tells it and passes every
// click on to the panel.
class Form1Window : public QWidget, public Display {
    Q_OBJECT
public:
    explicit Form1Window(QWidget* parent = nullptr);

    // Clicks reach the panel from here on.
    void Attach(Panel* panel) { panel_ = panel; }

    void Paint(Shape shape, Colour fill) override;
    void AddExposureItem(std::string_view text) override;
    std::string ExposureText() const override;
    float OuterWidth() const override;
    float OuterHeight() const override;
    float ScreenWidth() const override;
    float ScreenHeight() const override;
    void MoveTo(float left, float top) override;

    Circle* CircleFor(Shape shape) const { return circles_.at(shape); }
    QPushButton* Button(Control control) const { return buttons_.at(control); }
    QListWidget* ExposureList() const { return exposure_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Deliver(Control control);

    Panel* panel_ = nullptr;
    std::map<Shape, Circle*> circles_;
    std::map<Control, QPushButton*> buttons_;
    QListWidget* exposure_ = nullptr;
};

}  // namespace kelvoria
