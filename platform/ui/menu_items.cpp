#include "platform/ui/menu_items.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <QTextEdit>

namespace ranvik {

namespace {

// Lets the shortcuts of menu items win over the focused control: a text box
// claims keys such as Ctrl+C through the shortcut-override event, which this
// filter answers for it when a visible, enabled menu item of the focused
// window is bound to the key.
class MenuShortcutGuard : public QObject {
public:
    static MenuShortcutGuard& Instance() {
        static MenuShortcutGuard* guard = [] {
            auto* created = new MenuShortcutGuard(qApp);
            qApp->installEventFilter(created);
            return created;
        }();
        return *guard;
    }

    void Register(QAction* action, QWidget* owner) {
        entries_.push_back({QPointer<QAction>(action), QPointer<QWidget>(owner)});
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* focus = qobject_cast<QWidget*>(watched);
        if (focus == nullptr) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+A in a text box selects its text, as in every desktop
        // program, even where a menu item is bound to the same key.
        if (key->matches(QKeySequence::SelectAll) && IsTextEditor(focus)) return false;
        const QKeySequence pressed(key->keyCombination());
        for (const Entry& entry : entries_) {
            if (entry.action.isNull() || entry.owner.isNull()) continue;
            if (!entry.action->isEnabled() || !entry.action->isVisible()) continue;
            if (entry.action->shortcut().isEmpty() || entry.action->shortcut() != pressed) continue;
            if (entry.owner->window() != focus->window()) continue;
            event->ignore();
            return true;
        }
        return false;
    }

private:
    using QObject::QObject;
    static bool IsTextEditor(QWidget* widget) {
        return qobject_cast<QLineEdit*>(widget) != nullptr || qobject_cast<QTextEdit*>(widget) != nullptr ||
               qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    }
    struct Entry {
        QPointer<QAction> action;
        QPointer<QWidget> owner;
    };
    std::vector<Entry> entries_;
};

}  // namespace

QKeySequence MenuShortcut(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('+'));
    if (parts.isEmpty() || text.empty()) return {};
    Qt::KeyboardModifiers modifiers;
    for (int i = 0; i + 1 < parts.size(); ++i) {
        const QString part = parts[i].trimmed();
        if (part == QLatin1String("Shift")) {
            modifiers |= Qt::ShiftModifier;
        } else if (part == QLatin1String("Ctrl")) {
            modifiers |= Qt::ControlModifier;
        } else if (part == QLatin1String("Alt")) {
            modifiers |= Qt::AltModifier;
        } else {
            return {};
        }
    }
    const QString keyName = parts.last().trimmed();
    Qt::Key key = Qt::Key_unknown;
    if (keyName.size() == 1 && keyName[0] >= QLatin1Char('A') && keyName[0] <= QLatin1Char('Z')) {
        key = static_cast<Qt::Key>(Qt::Key_A + (keyName[0].unicode() - 'A'));
    } else if (keyName.startsWith(QLatin1Char('F')) && keyName.size() <= 3) {
        bool ok = false;
        const int number = keyName.mid(1).toInt(&ok);
        if (ok && number >= 1 && number <= 12) key = static_cast<Qt::Key>(Qt::Key_F1 + number - 1);
    } else if (keyName == QLatin1String("Ins")) {
        key = Qt::Key_Insert;
    } else if (keyName == QLatin1String("Del")) {
        key = Qt::Key_Delete;
    } else if (keyName == QLatin1String("Backspace") || keyName == QLatin1String("BkSp")) {
        key = Qt::Key_Backspace;
    }
    if (key == Qt::Key_unknown) return {};
    return QKeySequence(QKeyCombination(modifiers, key));
}

MenuItemArray::MenuItemArray(QMenu* menu, QWidget* owner)
    : QObject(menu), menu_(menu), owner_(owner) {}

QAction* MenuItemArray::Add(int index, const std::string& caption, const std::string& shortcut) {
    if (Has(index)) return items_.at(index).action;
    auto* action = new QAction(menu_);
    // Keep index order: the item goes before the next higher index.
    auto next = items_.upper_bound(index);
    menu_->insertAction(next == items_.end() ? nullptr : next->second.action, action);
    // Bound to the window too, so its shortcut works while the menu is not
    // on the menu bar (popup menus, hidden menus).
    if (owner_ != nullptr) owner_->addAction(action);
    Item item;
    item.action = action;
    items_[index] = item;
    SetCaption(index, caption);
    SetShortcut(index, shortcut);
    connect(action, &QAction::triggered, this, [this, index] { Triggered(index); });
    MenuShortcutGuard::Instance().Register(action, owner_);
    return action;
}

std::vector<int> MenuItemArray::Indexes() const {
    std::vector<int> indexes;
    for (const auto& [index, item] : items_) indexes.push_back(index);
    return indexes;
}

const MenuItemArray::Item* MenuItemArray::Find(int index) const {
    auto it = items_.find(index);
    return it == items_.end() ? nullptr : &it->second;
}

QAction* MenuItemArray::Action(int index) const {
    const Item* item = Find(index);
    return item ? item->action : nullptr;
}

std::string MenuItemArray::Caption(int index) const {
    const Item* item = Find(index);
    return item ? item->caption : std::string();
}

void MenuItemArray::SetCaption(int index, const std::string& caption) {
    auto it = items_.find(index);
    if (it == items_.end()) return;
    it->second.caption = caption;
    QAction* action = it->second.action;
    const bool separator = caption == "-";
    action->setSeparator(separator);
    // The styles draw a separator's text beside its line, so the "-" that
    // makes it must not stay behind as the text.
    action->setText(separator ? QString() : QString::fromStdString(caption));
}

bool MenuItemArray::Checked(int index) const {
    const Item* item = Find(index);
    return item && item->checked;
}

void MenuItemArray::SetChecked(int index, bool checked) {
    auto it = items_.find(index);
    if (it == items_.end()) return;
    it->second.checked = checked;
    // Only a checked item is checkable, so an unchecked one shows no box.
    it->second.action->setCheckable(checked);
    it->second.action->setChecked(checked);
}

bool MenuItemArray::Enabled(int index) const {
    const Item* item = Find(index);
    return item && item->enabled;
}

void MenuItemArray::SetEnabled(int index, bool enabled) {
    auto it = items_.find(index);
    if (it == items_.end()) return;
    it->second.enabled = enabled;
    it->second.action->setEnabled(enabled);
}

bool MenuItemArray::Visible(int index) const {
    const Item* item = Find(index);
    return item && item->visible;
}

void MenuItemArray::SetVisible(int index, bool visible) {
    auto it = items_.find(index);
    if (it == items_.end()) return;
    it->second.visible = visible;
    it->second.action->setVisible(visible);
}

std::string MenuItemArray::Shortcut(int index) const {
    const Item* item = Find(index);
    return item ? item->shortcut : std::string();
}

void MenuItemArray::SetShortcut(int index, const std::string& shortcut) {
    auto it = items_.find(index);
    if (it == items_.end()) return;
    it->second.shortcut = shortcut;
    it->second.action->setShortcut(MenuShortcut(shortcut));
}

void MenuItemArray::Choose(int index) {
    QAction* action = Action(index);
    if (action == nullptr || !action->isEnabled() || !action->isVisible()) return;
    action->trigger();
}

void MenuItemArray::Triggered(int index) {
    auto it = items_.find(index);
    if (it == items_.end()) return;
    // Choosing a checkable action flips its mark; the handler decides.
    it->second.action->setChecked(it->second.checked);
    emit Click(index);
}

}  // namespace ranvik
