#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace morvane {

// Which files of a folder are taken: patterns separated by ";", "*" for any
// run of characters, "?" for one, letter case ignored, blanks around a
// pattern ignored. "*.*" takes every name, with or without a dot, as it does
// in file dialogs. A mask without a pattern takes every name.
//
//   FileMask(u"*.jpg; *.png"_s).matches(u"b.JPG") == true
//   FileMask(u"IMG_????.*"_s).matches(u"IMG_12.jpg") == false
//   FileMask().matches(u"anything") == true
class FileMask {
public:
    FileMask() = default;
    explicit FileMask(const QString &patterns);

    bool takesEverything() const { return m_everything; }
    bool matches(QStringView name) const;

private:
    QList<QString> m_patterns; // case folded
    bool m_everything = true;
};

} // namespace morvane
