#include "shell/QtLanguageDispatcher.h"

#include "shell/Catalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

namespace quillora {
namespace {

QString U(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

using ObjectsByName = QHash<QString, QList<QObject*>>;

ObjectsByName NamedObjects(QWidget* window) {
    ObjectsByName byName;
    auto add = [&byName](QObject* o) {
        if (!o->objectName().isEmpty()) byName[o->objectName()].append(o);
    };
    add(window);
    for (QObject* o : window->findChildren<QObject*>()) add(o);
    return byName;
}

QTabWidget* TabsOfPage(QWidget* w) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(w) >= 0 ? tabs : nullptr;
}

void SetCaption(QObject* o, const QString& text) {
    if (auto* a = qobject_cast<QAction*>(o)) return a->setText(text);
    // Before the window test: a menu is a window of its own.
    if (auto* m = qobject_cast<QMenu*>(o)) return m->setTitle(text);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return;
    if (auto* tabs = TabsOfPage(w)) return tabs->setTabText(tabs->indexOf(w), text);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->setText(text);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->setText(text);
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->setTitle(text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->setPlaceholderText(text);
    if (w->isWindow()) w->setWindowTitle(text);
}

void SetHint(QObject* o, const QString& text) {
    if (auto* a = qobject_cast<QAction*>(o)) return a->setToolTip(text);
    if (auto* w = qobject_cast<QWidget*>(o)) w->setToolTip(text);
}

// New items must not look like a choice of the user: the change handlers of some
// lists rewrite the document.
void SetComboItems(QComboBox* box, const QStringList& items) {
    const int index = box->currentIndex();
    const QString edit = box->currentText();
    const bool typed = box->isEditable() && edit != box->itemText(index);
    const QSignalBlocker blockBox(box);
    const QSignalBlocker blockEdit(box->lineEdit());
    const bool wasEmpty = box->count() == 0;
    box->clear();
    box->addItems(items);
    // A list filled for the first time shows its first item, as Qt does.
    if (!wasEmpty) box->setCurrentIndex(std::min(index, static_cast<int>(items.size()) - 1));
    if (typed) box->setEditText(edit);
}

void SetListItems(QListWidget* list, const QStringList& items) {
    const int row = list->currentRow();
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
    list->setCurrentRow(std::min(row, static_cast<int>(items.size()) - 1));
}

void SetLines(QObject* o, const QStringList& lines) {
    const QString text = lines.join(QLatin1Char('\n'));
    if (auto* l = qobject_cast<QLabel*>(o)) return l->setText(text);
    if (auto* p = qobject_cast<QPlainTextEdit*>(o)) return p->setPlainText(text);
    if (auto* t = qobject_cast<QTextEdit*>(o)) t->setPlainText(text);
}

// "ComboBox2.Items" -> "ComboBox2", "Items".
std::pair<QString, QString> SplitListKey(const std::string& key) {
    const size_t dot = key.rfind('.');
    return {U(key.substr(0, dot)), U(key.substr(dot + 1))};
}

}  // namespace

QtLanguageDispatcher& QtLanguageDispatcher::Shared() {
    static QtLanguageDispatcher dispatcher;
    return dispatcher;
}

bool QtLanguageDispatcher::Register(QWidget* window, const QString& catalogueName) {
    const Catalogue* catalogue = FindCatalogue(catalogueName.toStdString());
    if (!catalogue) return false;
    Register(window, *catalogue);
    return true;
}

void QtLanguageDispatcher::Register(QWidget* window, const Catalogue& catalogue) {
    std::erase_if(windows_, [window](const Registration& r) { return r.window.isNull() || r.window == window; });
    windows_.push_back({window, &catalogue});
    Apply(window, catalogue, ActiveLanguage());
}

void QtLanguageDispatcher::SetLanguage(Language language) {
    SetActiveLanguage(language);
    std::erase_if(windows_, [](const Registration& r) { return r.window.isNull(); });
    for (const auto& r : windows_) Apply(r.window, *r.catalogue, language);
}

void QtLanguageDispatcher::Apply(QWidget* window, const Catalogue& catalogue, Language language) {
    const ObjectsByName byName = NamedObjects(window);
    for (const auto& [key, text] : catalogue.Texts(TextKind::Caption))
        for (QObject* o : byName.value(U(key))) SetCaption(o, U(text.In(language)));
    for (const auto& [key, text] : catalogue.Texts(TextKind::Hint))
        for (QObject* o : byName.value(U(key))) SetHint(o, U(text.In(language)));
    for (const auto& [key, list] : catalogue.Lists()) {
        QStringList items;
        for (const auto& item : list.In(language)) items << U(item);
        const auto [name, property] = SplitListKey(key);
        for (QObject* o : byName.value(name)) {
            if (property != QLatin1String("Items"))
                SetLines(o, items);
            else if (auto* box = qobject_cast<QComboBox*>(o))
                SetComboItems(box, items);
            else if (auto* listWidget = qobject_cast<QListWidget*>(o))
                SetListItems(listWidget, items);
        }
    }
}

QStringList QtLanguageDispatcher::MissingControls(QWidget* window, const Catalogue& catalogue) {
    const ObjectsByName byName = NamedObjects(window);
    QStringList missing;
    for (TextKind kind : {TextKind::Caption, TextKind::Hint})
        for (const auto& [key, text] : catalogue.Texts(kind))
            if (!byName.contains(U(key))) missing << U(key);
    for (const auto& [key, list] : catalogue.Lists())
        if (!byName.contains(SplitListKey(key).first)) missing << U(key);
    missing.removeDuplicates();
    return missing;
}

}  // namespace quillora
