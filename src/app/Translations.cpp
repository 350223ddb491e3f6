#include "Translations.h"

#include "LocaleServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

// Qt turns the layout right to left when this reads "RTL" (its own words,
// comment included, are the key); Paytick's files say it themselves rather
// than rely on the system's Qt translations being installed.
[[maybe_unused]] const struct {
    const char *source;
    const char *comment;
} layoutDirection =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or "
                       "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
                       "proper widget layout.");

// "pt-BR" may be had as pt_BR or pt; "zh-Hans-CN" as zh_Hans_CN, zh_CN or zh.
QStringList candidates(const QString &language) {
    QString name = language;
    name.replace(u'-', u'_');
    QStringList names{name};
    const QLocale locale(language);
    if (locale.language() != QLocale::C) {
        names << locale.name() << QLocale::languageToCode(locale.language());
    }
    names.removeDuplicates();
    return names;
}

} // namespace

Translations::Translations(const QStringList &languages, const QString &folder) {
    for (const QString &language : languages) {
        for (const QString &name : candidates(language)) {
            if (name == u"en" || name == u"C")
                return; // the sources' own language
            if (QFileInfo::exists(folder + QStringLiteral("/paytick_") + name +
                                  QStringLiteral(".qm")) &&
                own_.load(QStringLiteral("paytick_") + name, folder)) {
                language_ = name;
                // Qt's own may be missing or older; Paytick's texts come first anyway.
                (void)qt_.load(QStringLiteral("qtbase_") + name,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
                return;
            }
        }
    }
}

QString Translations::language() const {
    return language_;
}

Translations::~Translations() {
    LocaleServices::setTextLanguage(QString());
}

void Translations::install() {
    LocaleServices::setTextLanguage(language_);
    if (language_.isEmpty())
        return;
    QCoreApplication::installTranslator(&qt_);
    // Installed last, so asked first.
    QCoreApplication::installTranslator(&own_);
}

QString Translations::translate(const char *context, const char *source) const {
    const QString translated = own_.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
