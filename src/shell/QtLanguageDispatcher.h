#pragma once
// Puts the catalogue texts of the active language into windows: captions of buttons,
// labels, group boxes, menus, actions, tab pages and the window title, tool tips, and
// the items of combo boxes and lists. A registered window takes the active language
// at once and every later switch; texts the catalogue does not hold are left alone,
// so texts that code placed stay until code sets them again.
#include "shell/TextCatalogue.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace quillora {

class Catalogue;

class QtLanguageDispatcher {
public:
    // The program's dispatcher; tests make their own.
    static QtLanguageDispatcher& Shared();

    // Registers the window with the built-in catalogue of that name ("TMainForm") and
    // applies the active language. False when there is no such catalogue.
    bool Register(QWidget* window, const QString& catalogueName);
    // The same with a catalogue that outlives the registration.
    void Register(QWidget* window, const Catalogue& catalogue);

    // Makes the language the active one and applies it to every registered window that
    // still exists.
    void SetLanguage(Language language);

    static void Apply(QWidget* window, const Catalogue& catalogue, Language language);

    // Catalogue entries that name no object of the window: a misspelt or renamed
    // control, for the tests of each window.
    static QStringList MissingControls(QWidget* window, const Catalogue& catalogue);

private:
    struct Registration {
        QPointer<QWidget> window;
        const Catalogue* catalogue;
    };
    std::vector<Registration> windows_;
};

}  // namespace quillora
