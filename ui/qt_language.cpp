#include "ui/qt_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zyntra {

QLocale LocaleOfLanguageSection(const std::string& section) {
    if (section == "TChinese") {
        return QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    }
    if (section == "SChinese") {
        return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QtLanguage::~QtLanguage() {
    if (installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(&translator_);
    }
}

bool QtLanguage::Apply(const std::string& section) {
    const QLocale locale = LocaleOfLanguageSection(section);
    QLocale::setDefault(locale);
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    if (!translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

} // namespace zyntra
