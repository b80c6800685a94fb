#include "ui/home_page_link.h"

#include "ui/app_texts.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>

namespace morvane {

namespace {

// Sizes at 96 dpi; Qt scales them with the monitor.
constexpr int kWidth = 262;
constexpr int kHeight = 19;
constexpr int kRightGap = 25;

// Half of a length, rounded to the nearest whole number with exact halves to the even one.
int halfToEven(int length)
{
    return int(std::nearbyint(length / 2.0));
}

} // namespace

HomePageLink::HomePageLink(QWidget *window) : QLabel(homepageUrl(), window)
{
    setObjectName(QStringLiteral("lbHomepageURL"));
    setFixedSize(kWidth, kHeight);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCursor(Qt::PointingHandCursor);
    // Reachable by keyboard too: Tab stops here, Enter or Space opens the page.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(homepageUrl());
    setAccessibleDescription(tr("Opens the program's home page in the web browser"));
    // Its background and colour come from the theme, light or dark.
    setAttribute(Qt::WA_StyledBackground);
    raise();
}

void HomePageLink::placeOver(const QRect &statusBar)
{
    const int left = parentWidget()->width() - width() - kRightGap;
    const int top = statusBar.top() + statusBar.height() - halfToEven(statusBar.height()) - halfToEven(height());
    move(left, top);
    raise();
}

bool HomePageLink::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave: {
        QFont f = font();
        f.setUnderline(event->type() == QEvent::Enter);
        setFont(f);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            emit clicked();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            emit clicked();
        return true;
    default:
        break;
    }
    return QLabel::event(event);
}

} // namespace morvane
