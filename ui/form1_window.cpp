#include "ui/form1_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui/circle.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/pictures.h"


namespace kelvoria {

namespace {
QRect Place(int left, int top, int width, int height) {
    using layout::Px;
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
}  // namespace

Form1Window::Form1Window(QWidget* parent) : QWidget(parent) {
    LoadPictures();
    setObjectName("Form1");
    setWindowIcon(QIcon(":/pictures/icon.png"));
    setWindowTitle(Q(layout::kCaption));
    resize(layout::Px(layout::kClientWidth), layout::Px(layout::kClientHeight));
    // Sizable: the window may grow, but nothing in it moves or scales.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setGeometry(Place(layout::kFrame1.left, layout::kFrame1.top, layout::kFrame1.width,
                             layout::kFrame1.height));
    frame->setFocusPolicy(Qt::NoFocus);

    auto* picture = new QLabel(frame);
    picture->setObjectName("Image2");
    picture->setGeometry(Place(layout::kImage2.left, layout::kImage2.top, layout::kImage2.width,
                               layout::kImage2.height));
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(":/pictures/background.png"));
    picture->lower();

    for (const auto& l : layout::kLabels) {
        auto* label = new QLabel(Q(l.caption), frame);
        label->setObjectName(Q(l.name));
        label->setGeometry(Place(l.left, l.top, l.width, l.height));
        label->setFont(PanelFont(true, l.underlined));
        label->setAlignment(l.centred ? Qt::AlignHCenter | Qt::AlignTop
                                      : Qt::AlignLeft | Qt::AlignTop);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setAutoFillBackground(false);
    }

    // Created bottom-most first, so Shape1 ends on top of Shape11.
    for (auto it = layout::kCircles.rbegin(); it != layout::kCircles.rend(); ++it) {
        auto* circle = new Circle(
            it->start, it->outlined ? std::optional(IndicatorOutline) : std::nullopt, frame);
        circle->setObjectName(QStringLiteral("Shape%1").arg(ShapeNumber(it->shape)));
        circle->setGeometry(Place(it->left, it->top, it->width, it->height));
        circles_[it->shape] = circle;
    }

    std::map<int, QWidget*> by_tab;
    for (auto it = layout::kButtons.rbegin(); it != layout::kButtons.rend(); ++it) {
        QWidget* container =
            it->in_frame == layout::InFrame::Yes ? static_cast<QWidget*>(frame) : this;
        QWidget* widget = nullptr;
        if (it->control == Control::ExposureSel) {
            exposure_ = new QListWidget(container);
            exposure_->setSelectionMode(QAbstractItemView::SingleSelection);
            exposure_->setSortingEnabled(false);
            connect(exposure_, &QListWidget::itemSelectionChanged, this,
                    [this] { Deliver(Control::ExposureSel); });
            widget = exposure_;
        } else {
            auto* button = new QPushButton(Q(it->caption), container);
            button->setAutoDefault(false);
            button->setDefault(false);
            const Control control = it->control;
            connect(button, &QPushButton::clicked, this, [this, control] { Deliver(control); });
            buttons_[it->control] = button;
            widget = button;
        }
        widget->setObjectName(Q(it->name));
        widget->setAccessibleName(Q(it->accessible));
        widget->setGeometry(Place(it->left, it->top, it->width, it->height));
        widget->setFont(PanelFont(it->bold == layout::Bold::Yes, false));
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->raise();
        by_tab[it->tab_index] = widget;
    }
    // The window's own buttons lie above the frame.
    for (const auto& b : layout::kButtons) {
        if (b.in_frame == layout::InFrame::No) {
            buttons_.at(b.control)->raise();
        }
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : by_tab) {
        if (previous) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    by_tab.begin()->second->setFocus();
}

void Form1Window::Deliver(Control control) {
    if (panel_) {
        panel_->Click(control);
    }
}

void Form1Window::Paint(Shape shape, Colour fill) {
    circles_.at(shape)->SetFill(fill);
}

void Form1Window::AddExposureItem(std::string_view text) {
    exposure_->addItem(Q(text));
}

std::string Form1Window::ExposureText() const {
    const auto selected = exposure_->selectedItems();
    return selected.isEmpty() ? std::string() : selected.first()->text().toStdString();
}

float Form1Window::OuterWidth() const {
    return float(frameGeometry().width());
}
float Form1Window::OuterHeight() const {
    return float(frameGeometry().height());
}
float Form1Window::ScreenWidth() const {
    return float(screen()->geometry().width());
}
float Form1Window::ScreenHeight() const {
    return float(screen()->geometry().height());
}

void Form1Window::MoveTo(float left, float top) {
    move(qRound(left), qRound(top));
}

void Form1Window::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program, even from inside a routine's yield.
    event->ignore();
    if (panel_) {
        panel_->Terminate();
    }
}

}  // namespace kelvoria
