#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace morvane {

// A label that names its control: Alt with its underlined letter moves
// the focus there, and a screen reader reads the label as the control's name.
QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent);
// Names a control for screen readers as its label reads, without the mnemonic's "&" and the closing colon.
void nameLike(QWidget *control, const QString &labelText);

// Lets only digits be typed into an edit. Pasted text and text set by code
// pass unchanged: numeric options are read with their own defaults at use.
void makeDigitsOnly(QLineEdit *edit);

// A pair of spin buttons attached to an edit (the window's UpDown controls):
// each step moves the number in the edit by 1 within 0 to 100 and writes it
// back. Up and Down arrow keys in the edit step too.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(QLineEdit *buddy, QWidget *parent = nullptr);
    static constexpr int Minimum = 0;
    static constexpr int Maximum = 100;

public slots:
    void stepUp() { step(1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(int delta);

    QLineEdit *m_buddy;
    int m_position = 0; // used when the edit holds no number
};

} // namespace morvane
