#include "ui/option_widgets.h"

#include "ui/theme.h"

#include <QIcon>
#include <QLabel>
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

} // namespace

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    nameLike(buddy, text);
    return label;
}

void nameLike(QWidget *control, const QString &labelText)
{
    QString name = labelText;
    // "&&" stands for one "&"; a single "&" only marks the mnemonic.
    name.replace(QLatin1String("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
    name = name.trimmed();
    while (name.endsWith(u':'))
        name.chop(1);
    control->setAccessibleName(name);
}

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
        button->setIcon(themedIcon(QStringLiteral("chevron-%1").arg(QLatin1String(name))));
        button->setIconSize(QSize(8, 8));
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(17, 11);
        layout->addWidget(button);
        return button;
    };
    QToolButton *up = makeButton("up");
    QToolButton *down = makeButton("down");
    up->setAccessibleName(tr("Increase"));
    down->setAccessibleName(tr("Decrease"));
    connect(up, &QToolButton::clicked, this, &UpDownButtons::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDownButtons::stepDown);
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
