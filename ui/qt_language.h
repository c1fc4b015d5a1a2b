#pragma once

#include <QLocale>
#include <QTranslator>
#include <string>

namespace zyntra {

// The locale of Qt's own texts for a text section of the language file: the calendar, AM/PM and
// standard buttons read in the language the window shows, whatever the system's locale is.
QLocale LocaleOfLanguageSection(const std::string& section);

// Qt's standard texts in the window's language: the default locale of every widget made from
// now on, and Qt's translation of its own texts. Lives as long as the application.
class QtLanguage {
public:
    QtLanguage() = default;
    ~QtLanguage();
    QtLanguage(const QtLanguage&) = delete;
    QtLanguage& operator=(const QtLanguage&) = delete;

    // Applies the language of that section; false when Qt has no translation for it (its
    // texts stay in English).
    bool Apply(const std::string& section);

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace zyntra
