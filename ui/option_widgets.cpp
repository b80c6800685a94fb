#include "ui/option_widgets.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

// Drops key presses that would type anything but a digit; shortcuts and
// editing keys (Backspace, Delete, arrows, Ctrl+V) go through.
class DigitsOnlyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
                return false;
            for (QChar c : key->text()) {
                if (c.unicode() >= 0x20 && !(c >= u'0' && c <= u'9'))
                    return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void makeDigitsOnly(QLineEdit *edit)
{
    edit->installEventFilter(new DigitsOnlyFilter(edit));
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
}

UpDownButtons::UpDownButtons(QLineEdit *buddy, QWidget *parent) : QWidget(parent), m_buddy(buddy)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto makeButton = [this, layout](const char *name) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setIcon(QIcon(QStringLiteral(":/icons/chevron-%1.svg").arg(QLatin1String(name))));
        button->setIconSize(QSize(8, 8));
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(17, 11);
        layout->addWidget(button);
        return button;
    };
    connect(makeButton("up"), &QToolButton::clicked, this, &UpDownButtons::stepUp);
    connect(makeButton("down"), &QToolButton::clicked, this, &UpDownButtons::stepDown);
    setFixedSize(17, 22);
    buddy->installEventFilter(this);
}

bool UpDownButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownButtons::step(int delta)
{
    bool ok = false;
    const int typed = m_buddy->text().trimmed().toInt(&ok);
    const int from = ok ? qBound(Minimum, typed, Maximum) : m_position;
    m_position = qBound(Minimum, from + delta, Maximum);
    m_buddy->setText(QString::number(m_position));
}

} // namespace morvane
