#pragma once

#include <QLabel>

namespace morvane {

// The maker's home page as a link floating over the right end of the main
// window's status bar: a pointing hand, underlined while the mouse is over
// it, clicked() on a left-button release. It paints its own fixed background
// whatever the theme.
class HomePageLink : public QLabel {
    Q_OBJECT
public:
    explicit HomePageLink(QWidget *window);

    // Moves the link to the right end of the status bar, vertically centred
    // on it; call after the window has laid out its status bar.
    void placeOver(const QRect &statusBar);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
};

} // namespace morvane
