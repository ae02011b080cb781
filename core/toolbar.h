#pragma once
// The main window's toolbar Toolbar1 on its toolbar strip: 27 positions
// counting separators, each button known by its key text.  A button has a
// style (normal, check, one of a group, drop-down with a button menu), a
// picture, a tool tip and a description, a pressed state (Value 0 or 1) and
// an enabled state.  A press changes the pressed state as its style says
// (a check button toggles, a group button is pressed and releases the rest of
// its group) and then reports the button; choosing an item of a drop-down
// button's menu reports the item's text and index (from 1) instead.  The
// buttons never take the keyboard focus: keys stay with the strip.
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QToolButton;

namespace ranvik {

class Toolbar : public QWidget {
    Q_OBJECT
public:
    enum class Style { Normal, Check, Group, DropDown, Separator };
    struct MenuEntry {
        std::string text;
        std::string key;
    };

    explicit Toolbar(QWidget* parent = nullptr);

    static constexpr int kPositions = 27;
    // The key at a position 1 to 27; empty for a separator or another number.
    static const std::string& KeyAt(int position);
    static int PositionOf(const std::string& key);

    Style StyleOf(const std::string& key) const;
    int ImageOf(const std::string& key) const;
    std::string ToolTipOf(const std::string& key) const;
    std::string DescriptionOf(const std::string& key) const;
    std::vector<MenuEntry> MenuOf(const std::string& key) const;

    // Pressed state: 1 pressed, 0 released.  Unknown keys read 0 and ignore
    // changes.
    int Value(const std::string& key) const;
    void SetValue(const std::string& key, int value);
    bool Enabled(const std::string& key) const;
    void SetEnabled(const std::string& key, bool enabled);
    QToolButton* Button(const std::string& key) const;

    // A press or a menu choice as the user makes it: only an enabled button
    // acts.  The menu index counts from 1.
    void Press(const std::string& key);
    void ChooseMenuItem(const std::string& key, int index);

    // Reported after a press: the button's key.  After a menu choice: the
    // item's text and its index.
    std::function<void(const std::string& key)> ButtonClick;
    std::function<void(const std::string& text, int index)> ButtonMenuClick;

private:
    struct Button_ {
        std::string key;
        Style style = Style::Normal;
        int image = 0;
        std::string toolTip;
        std::string description;
        std::vector<MenuEntry> menu;
        int value = 0;
        bool enabled = true;
        QToolButton* widget = nullptr;
    };
    Button_* Find(const std::string& key);
    const Button_* Find(const std::string& key) const;
    void ShowValue(Button_& button);

    std::vector<Button_> buttons_;  // by position 1 to 27 at index 0 to 26
};

// Picture n (1 to 23) of the toolbar's image list.
QPixmap ToolbarImage(int n);

}  // namespace ranvik
