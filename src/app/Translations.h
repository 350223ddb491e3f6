#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// Paytick's texts in the user's language: the first of the desktop's
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that Paytick has, else its
// own English; with Qt's translations for what Qt draws (the file dialog,
// text fields' menus, standard buttons) from the system, so a panel speaks
// one language. Numbers, dates and currencies keep the formatting locale.
class Translations {
public:
    explicit Translations(const QStringList &languages = QLocale::system().uiLanguages(),
                          const QString &folder = QStringLiteral(":/i18n"));
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;
    ~Translations();

    // The language chosen, as its file names it ("de", "pt_BR"); empty for English.
    QString language() const;
    // Into the running application, numbers in words included; Arabic and
    // Hebrew turn its layout right to left.
    void install();
    // For texts needed before there is an application (--help).
    QString translate(const char *context, const char *source) const;

private:
    QString language_;
    QTranslator own_;
    QTranslator qt_;
};
