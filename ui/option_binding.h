#pragma once

#include "engine/option_panel.h"

#include <QLatin1StringView>
#include <QList>

#include <initializer_list>
#include <utility>

class QWidget;

namespace morvane {

struct OptionField;

// Ties option widgets to the fields of an OptionPanel by preset key. A bound
// widget writes its field whenever it changes; showOptions() puts the values
// back into the widgets after a preset or the command line changed them.
//
//   OptionBinding binding(options);
//   binding.bind({{patternEdit, "pattern"}, {caseCombo, "case"}, {regexCheck, "regex"}});
//   options.pattern = "{counter}";
//   binding.showOptions();   // patternEdit now reads "{counter}"
class OptionBinding {
public:
    explicit OptionBinding(OptionPanel &options) : m_options(&options) {}

    // A QLineEdit for a Text or Number field, a QCheckBox for a Check field,
    // a QComboBox whose entries follow the choices for a Choice field.
    void bind(QWidget *widget, QLatin1StringView key);
    void bind(std::initializer_list<std::pair<QWidget *, const char *>> widgets);

    void showOptions() const;

private:
    OptionPanel *m_options;
    QList<std::pair<QWidget *, const OptionField *>> m_bound;
};

} // namespace morvane
