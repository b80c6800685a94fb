#include "ui/option_binding.h"

#include "engine/option_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace morvane {

void OptionBinding::bind(QWidget *widget, QLatin1StringView key)
{
    const OptionField *field = findOptionField(QString(key));
    Q_ASSERT_X(field, "OptionBinding::bind", "no option has this key");
    OptionPanel *options = m_options;
    switch (field->kind) {
    case OptionKind::Text:
    case OptionKind::Number: {
        auto *edit = qobject_cast<QLineEdit *>(widget);
        Q_ASSERT(edit);
        QObject::connect(edit, &QLineEdit::textChanged, edit,
                         [options, field](const QString &text) { options->*field->text = text; });
        break;
    }
    case OptionKind::Check: {
        auto *check = qobject_cast<QCheckBox *>(widget);
        Q_ASSERT(check);
        QObject::connect(check, &QCheckBox::toggled, check, [options, field](bool on) { options->*field->check = on; });
        break;
    }
    case OptionKind::Choice: {
        auto *combo = qobject_cast<QComboBox *>(widget);
        Q_ASSERT(combo);
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                         [options, field](int index) { field->setChoiceIndex(*options, index); });
        break;
    }
    }
    m_bound.append({widget, field});
}

void OptionBinding::bind(std::initializer_list<std::pair<QWidget *, const char *>> widgets)
{
    for (const auto &[widget, key] : widgets)
        bind(widget, QLatin1StringView(key));
}

void OptionBinding::showOptions() const
{
    // A copy: every widget writes back into the options as it is set.
    const OptionPanel shown = *m_options;
    for (const auto &[widget, field] : m_bound) {
        switch (field->kind) {
        case OptionKind::Text:
        case OptionKind::Number:
            static_cast<QLineEdit *>(widget)->setText(shown.*field->text);
            break;
        case OptionKind::Check:
            static_cast<QCheckBox *>(widget)->setChecked(shown.*field->check);
            break;
        case OptionKind::Choice:
            static_cast<QComboBox *>(widget)->setCurrentIndex(field->choiceIndex(shown));
            break;
        }
    }
}

} // namespace morvane
