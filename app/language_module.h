// The texts the windows, the string table and Qt's own dialogs are shown in: the program's own
// Russian, or English from the language module "Tarvix.ENU" (a Qt translation file beside the
// program, see translations/), with Qt's translation of its standard buttons and dialogs in
// the same language.
#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace tarvix {

inline constexpr int kLangRussian = 0;
inline constexpr int kLangEnglish = 1;

// The module an installation or a portable folder ships: "Tarvix.ENU" in ProgramDataFolder.
QString DefaultLanguageModulePath();

// The language index as the settings file keeps it: 0 or 1, and -1 for anything else
// (another number, text), which the program treats as Russian.
int ParseLangIndex(const QString& stored);

struct Program;
class LanguageModule;

// The language of the start: LangIndex from the settings file (section "Languages", key
// "Selected", default Russian) and its texts selected. A stored value that is no language, or
// an English module that cannot be loaded, leaves Russian and a journal line in StartNote.
std::unique_ptr<LanguageModule> SelectStartLanguage(Program& program);

class LanguageModule {
  public:
    explicit LanguageModule(QString modulePath = DefaultLanguageModulePath());
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // Selects the texts of langIndex: Russian drops the module, English loads it. A module
    // that is missing or no translation file leaves the current texts and returns false;
    // any other index does nothing and returns false. Installing or removing a translation
    // sends every window QEvent::LanguageChange (posted, as Qt does).
    bool Select(int langIndex);
    // The language the texts are in now (kLangRussian until English was selected).
    int TextLanguage() const { return textLanguage_; }

    // What went wrong at the start, for the journal once it is open; empty when nothing did.
    QString StartNote;

    const QString& ModulePath() const { return path_; }
    void SetModulePath(const QString& path) { path_ = path; }

  private:
    void SelectQtTexts(int langIndex);

    QString path_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
    int textLanguage_ = kLangRussian;
};

}  // namespace tarvix
