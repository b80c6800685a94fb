#include "engine/option_fields.h"

#include "engine/ascii.h"

namespace morvane {

namespace {

using L = QLatin1StringView;

OptionField text(const char *key, QString OptionPanel::*member, OptionKind kind = OptionKind::Text)
{
    OptionField f{L(key), kind};
    f.text = member;
    return f;
}

OptionField number(const char *key, QString OptionPanel::*member)
{
    return text(key, member, OptionKind::Number);
}

OptionField check(const char *key, bool OptionPanel::*member, bool whenAbsent = false)
{
    OptionField f{L(key), OptionKind::Check};
    f.check = member;
    f.checkWhenAbsent = whenAbsent;
    return f;
}

// A choice stored as an enum member; an index outside the choices gives fallback.
template <class Enum, Enum OptionPanel::*Member, int Count, Enum Fallback>
OptionField choice(const char *key, QList<QLatin1StringView> words)
{
    Q_ASSERT(words.size() == Count);
    OptionField f{L(key), OptionKind::Choice};
    f.choiceIndex = [](const OptionPanel &o) { return int(o.*Member); };
    f.setChoiceIndex = [](OptionPanel &o, int index) {
        o.*Member = index >= 0 && index < Count ? Enum(index) : Fallback;
    };
    f.choices = std::move(words);
    return f;
}

} // namespace

std::span<const OptionField> optionFields()
{
    static const OptionField fields[] = {
        text("find", &OptionPanel::find),
        text("replace", &OptionPanel::replace),
        check("regex", &OptionPanel::regex),
        text("pattern", &OptionPanel::pattern),
        number("counterStart", &OptionPanel::counterStart),
        number("digits", &OptionPanel::digits),
        choice<CaseChange, &OptionPanel::caseChange, 4, CaseChange::Unchanged>(
            "case", {L("none"), L("lower"), L("upper"), L("title")}),
        // A preset without the key once turned the new extension on; kept so old presets read the same.
        check("changeExt", &OptionPanel::changeExt, true),
        text("newExt", &OptionPanel::newExt),
        choice<ConflictMode, &OptionPanel::conflict, 3, ConflictMode::AutoNumber>(
            "conflict", {L("skip"), L("overwrite"), L("number")}),
        text("insertText", &OptionPanel::insertText),
        number("insertPos", &OptionPanel::insertPos),
        number("removeFirst", &OptionPanel::removeFirst),
        number("removeLast", &OptionPanel::removeLast),
        number("removeFromPos", &OptionPanel::removeFromPos),
        number("removeTillPos", &OptionPanel::removeTillPos),
        text("charactersToRemove", &OptionPanel::charactersToRemove),
        check("collapseDoubleSpaces", &OptionPanel::collapseDoubleSpaces),
        text("cropBefore", &OptionPanel::cropBefore),
        text("cropAfter", &OptionPanel::cropAfter),
        number("padNumbers", &OptionPanel::padNumbers),
        check("includeSubfolders", &OptionPanel::includeSubfolders),
        choice<BatchMode, &OptionPanel::batchMode, 3, BatchMode::RenameInPlace>("batchMode",
                                                                                {L("rename"), L("copy"), L("move")}),
        text("destination", &OptionPanel::destination),
        check("touchModifiedNow", &OptionPanel::touchModifiedNow),
    };
    return fields;
}

const OptionField *findOptionField(QStringView key)
{
    for (const OptionField &f : optionFields())
        if (asciiEqualsIgnoreCase(key, QString(f.key)))
            return &f;
    return nullptr;
}

QString optionText(const OptionPanel &options, const OptionField &field)
{
    switch (field.kind) {
    case OptionKind::Text:
    case OptionKind::Number:
        return options.*field.text;
    case OptionKind::Check:
        return options.*field.check ? QStringLiteral("true") : QStringLiteral("false");
    case OptionKind::Choice:
        return QString::number(field.choiceIndex(options));
    }
    return {};
}

} // namespace morvane
