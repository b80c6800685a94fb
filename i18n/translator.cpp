#include "i18n/translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace morvane {

namespace {

// A language tag as "de-AT" or "fr_CA" down to its language, "de" or "fr".
QString languageOf(const QString &tag)
{
    return QLocale(tag).name().section(u'_', 0, 0);
}

// Translators of an earlier call, removed before new ones go in.
QList<QTranslator *> &installed()
{
    static QList<QTranslator *> translators;
    return translators;
}

void install(QTranslator *translator)
{
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
}

} // namespace

QStringList translatedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr")};
}

QString installTranslations(const QStringList &uiLanguages)
{
    for (QTranslator *t : installed()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installed().clear();

    for (const QString &tag : uiLanguages) {
        const QString language = languageOf(tag);
        // English is the source language; a user who lists it first gets it.
        if (language == u"en" || language == u"C")
            return QStringLiteral("en");
        if (!translatedLanguages().contains(language))
            continue;
        auto *own = new QTranslator(QCoreApplication::instance());
        if (!own->load(QStringLiteral(":/i18n/morvane_%1.qm").arg(language))) {
            delete own;
            continue;
        }
        install(own);
        // Qt's own texts (standard buttons, file dialogs) come with Qt; without them those stay English.
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(qt);
        else
            delete qt;
        return language;
    }
    return QStringLiteral("en");
}

} // namespace morvane
