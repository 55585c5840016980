#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

#include "app/shapes.h"

namespace kelvoria {

QColor ToQColor(Colour bgr);

// An indicator: the largest circle that fits its box, centred, solid fill.
// Only the fill changes while the panel runs; clicks on it do nothing.
class Circle : public QWidget {
    Q_OBJECT
public:
    Circle(Colour fill, std::optional<Colour> outline, QWidget* parent);

    void SetFill(Colour fill);
    Colour Fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour fill_;
    std::optional<Colour> outline_;
};

}  // namespace kelvoria
