#include "app/language_module.h"

#include "base/string_table.h"
#include "session/program.h"

#include <QDir>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarvix {

QString DefaultLanguageModulePath() {
    return ProgramDataFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("Tarvix.ENU");
}

int ParseLangIndex(const QString& stored) {
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    return ok && (value == kLangRussian || value == kLangEnglish) ? value : -1;
}

LanguageModule::LanguageModule(QString modulePath) : path_(std::move(modulePath)) {
    // Russian is the program's own language, but Qt's buttons speak English unless told.
    SelectQtTexts(kLangRussian);
}

LanguageModule::~LanguageModule() = default;

bool LanguageModule::Select(int langIndex) {
    if (langIndex == kLangRussian) {
        program_.reset();  // a translator removes itself from the application when deleted
        SelectQtTexts(kLangRussian);
        textLanguage_ = kLangRussian;
        return true;
    }
    if (langIndex != kLangEnglish) return false;
    // Loaded aside first: a file that is no translation must not take the current one away.
    auto module = std::make_unique<QTranslator>();
    if (!module->load(path_) || module->isEmpty()) return false;
    program_ = std::move(module);
    QCoreApplication::installTranslator(program_.get());
    SelectQtTexts(kLangEnglish);
    textLanguage_ = kLangEnglish;
    return true;
}

void LanguageModule::SelectQtTexts(int langIndex) {
    qt_.reset();
    auto qt = std::make_unique<QTranslator>();
    const QString name =
        langIndex == kLangEnglish ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_ru");
    // Without Qt's translations installed Qt's own texts stay in English, its source language.
    if (!qt->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    qt_ = std::move(qt);
    QCoreApplication::installTranslator(qt_.get());
}

std::unique_ptr<LanguageModule> SelectStartLanguage(Program& program) {
    auto module = std::make_unique<LanguageModule>();
    const QString stored = program.Settings.ReadString(
        QStringLiteral("Languages"), QStringLiteral("Selected"), QString::number(kLangRussian));
    int lang = ParseLangIndex(stored);
    if (lang < 0) {
        module->StartNote = Str(kStrLanguageIndexInvalid).arg(stored);
        lang = kLangRussian;
    }
    program.LangIndex = lang;
    if (lang == kLangEnglish && !module->Select(kLangEnglish)) {
        module->StartNote =
            Str(kStrLanguageModuleUnusable).arg(QDir::toNativeSeparators(module->ModulePath()));
    }
    return module;
}

}  // namespace tarvix
