// The main window's toolbar: its buttons, their pictures, pressed and enabled states and button menus.
#include "core/toolbar.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <array>

namespace ranvik {

namespace {

struct ButtonSpec {
    const char* key;
    Toolbar::Style style;
    int image;
    const char* toolTip;
    const char* description;
};

using S = Toolbar::Style;

const std::array<ButtonSpec, Toolbar::kPositions>& Specs() {
    static const std::array<ButtonSpec, Toolbar::kPositions> specs = {{
        {"窓", S::Normal, 1, "チャート表示窓を追加", "チャート表示窓を追加"},
        {"窓ＬＲ", S::Normal, 2, "チャート表示窓を左右に整列", "表示窓を左右に整列"},
        {"窓ＵＤ", S::Normal, 3, "チャート表示窓を上下に整列", "表示窓を上下に整列"},
        {"", S::Separator, 0, "", ""},
        {"ローソク", S::Group, 4, "ローソク足チャートを描く", ""},
        {"比較", S::Group, 5, "銘柄比較チャートを描く", ""},
        {"逆ウオッチ", S::Group, 6, "逆ウオッチチャートを描く", ""},
        {"Ｐ＆Ｆ", S::Group, 7, "ポイント＆フィギュアを描く", ""},
        {"年毎比較", S::DropDown, 8, "年毎比較チャートを描く", ""},
        {"新値足非時系列", S::Group, 9, "新値三本足　非時系列チャートを描く", ""},
        {"新値足時系列", S::Group, 10, "新値三本足　時系列チャートを描く", ""},
        {"", S::Separator, 0, "", ""},
        {"十字", S::Check, 11, "縦横線表示", ""},
        {"データ", S::Check, 12, "株価データ表示", ""},
        {"年", S::Check, 13, "年ローソク小窓", ""},
        {"月", S::Check, 14, "月ローソク", ""},
        {"出来高", S::Check, 15, "価格帯別出来高", ""},
        {"", S::Separator, 0, "", ""},
        {"拡大", S::Normal, 16, "徐々に拡大表示1", ""},
        {"縮小", S::Normal, 17, "徐々に縮小表示1", ""},
        {"ボタン１", S::Normal, 18, "部分表示", ""},
        {"ボタン２", S::Normal, 19, "全表示", ""},
        {"指標窓", S::Normal, 20, "指標画面拡大/復帰", ""},
        {"出来高域", S::Normal, 21, "出来高域拡大/復帰", ""},
        {"色", S::DropDown, 22, "背景色七変化", ""},
        {"", S::Separator, 0, "", ""},
        {"業績グラフ", S::Normal, 23, "業績情報", ""},
    }};
    return specs;
}

// The kind buttons, one of which is pressed: positions 5 to 11, the
// drop-down button of the year-by-year comparison among them.
bool InKindGroup(int position) { return position >= 5 && position <= 11; }

// The pictures: a face colour and a mark each.
struct ImageSpec {
    QColor face;
    const char* mark;
};
const ImageSpec kImages[23] = {
    {QColor(70, 130, 180), "＋"}, {QColor(70, 130, 180), "║"}, {QColor(70, 130, 180), "═"},
    {QColor(200, 40, 40), "ロ"},  {QColor(40, 120, 40), "比"}, {QColor(120, 60, 160), "逆"},
    {QColor(30, 30, 30), "PF"},   {QColor(180, 110, 20), "年"}, {QColor(160, 40, 90), "新"},
    {QColor(40, 90, 160), "新"},  {QColor(90, 90, 90), "┼"},  {QColor(20, 120, 120), "デ"},
    {QColor(180, 110, 20), "Y"},  {QColor(150, 80, 20), "M"},  {QColor(60, 100, 40), "≡"},
    {QColor(30, 110, 200), "＋"}, {QColor(30, 110, 200), "－"}, {QColor(90, 90, 150), "部"},
    {QColor(90, 90, 150), "全"},  {QColor(60, 140, 90), "指"}, {QColor(60, 140, 90), "出"},
    {QColor(200, 150, 40), "色"}, {QColor(140, 40, 40), "業"},
};

}  // namespace

QPixmap ToolbarImage(int n) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    if (n < 1 || n > 23) return picture;
    const ImageSpec& spec = kImages[n - 1];
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(spec.face);
    painter.setPen(spec.face.darker(140));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::fromUtf8(spec.mark));
    return picture;
}

const std::string& Toolbar::KeyAt(int position) {
    static const std::array<std::string, kPositions + 1> keys = [] {
        std::array<std::string, kPositions + 1> k;
        for (int p = 1; p <= kPositions; ++p) k[static_cast<std::size_t>(p)] = Specs()[static_cast<std::size_t>(p - 1)].key;
        return k;
    }();
    static const std::string none;
    if (position < 1 || position > kPositions) return none;
    return keys[static_cast<std::size_t>(position)];
}

int Toolbar::PositionOf(const std::string& key) {
    if (key.empty()) return 0;
    for (int p = 1; p <= kPositions; ++p) {
        if (KeyAt(p) == key) return p;
    }
    return 0;
}

Toolbar::Toolbar(QWidget* parent) : QWidget(parent) {
    setObjectName("Toolbar1");
    setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(1);
    for (int p = 1; p <= kPositions; ++p) {
        const ButtonSpec& spec = Specs()[static_cast<std::size_t>(p - 1)];
        Button_ b;
        b.key = spec.key;
        b.style = spec.style;
        b.image = spec.image;
        b.toolTip = spec.toolTip;
        b.description = spec.description;
        if (b.key == "年毎比較") b.menu = {{"年毎比較１(&N)", ""}, {"年毎比較２(&M)", ""}};
        if (b.key == "色") {
            b.menu = {{"ハニーデューメロン(&H)", "Honydew"}, {"黒(&B)", "Black"},
                      {"ラベンダー(&L)", "Lavender"},        {"白(&W)", "White"},
                      {"淡トルコ石(&T)", "Paleturqoise"},    {"薄黄(&Y)", "lightyellow"},
                      {"小麦(&K)", "Wheat"}};
        }
        if (b.key == "ローソク") b.value = 1;  // a new chart window is a candlestick window
        if (b.style == Style::Separator) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            row->addWidget(line);
        } else {
            auto* button = new QToolButton(this);
            button->setObjectName(QString::fromStdString(b.key));
            button->setFocusPolicy(Qt::NoFocus);
            button->setAutoRaise(true);
            button->setIcon(QIcon(ToolbarImage(b.image)));
            button->setToolTip(QString::fromStdString(b.toolTip));
            button->setStatusTip(QString::fromStdString(b.description));
            button->setCheckable(b.style == Style::Check || InKindGroup(p));
            const std::string key = b.key;
            connect(button, &QToolButton::clicked, this, [this, key] { Press(key); });
            if (!b.menu.empty()) {
                auto* menu = new QMenu(button);
                for (std::size_t i = 0; i < b.menu.size(); ++i) {
                    QAction* item = menu->addAction(QString::fromStdString(b.menu[i].text));
                    item->setObjectName(QString::fromStdString(b.menu[i].key));
                    const int index = static_cast<int>(i) + 1;
                    connect(item, &QAction::triggered, this, [this, key, index] { ChooseMenuItem(key, index); });
                }
                button->setMenu(menu);
                button->setPopupMode(QToolButton::MenuButtonPopup);
            }
            b.widget = button;
            row->addWidget(button);
        }
        buttons_.push_back(std::move(b));
    }
    row->addStretch(1);
    for (Button_& b : buttons_) {
        if (b.widget != nullptr) ShowValue(b);
    }
}

Toolbar::Button_* Toolbar::Find(const std::string& key) {
    return const_cast<Button_*>(static_cast<const Toolbar*>(this)->Find(key));
}

const Toolbar::Button_* Toolbar::Find(const std::string& key) const {
    const int p = PositionOf(key);
    return p == 0 ? nullptr : &buttons_[static_cast<std::size_t>(p - 1)];
}

Toolbar::Style Toolbar::StyleOf(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->style : Style::Separator;
}

int Toolbar::ImageOf(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->image : 0;
}

std::string Toolbar::ToolTipOf(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->toolTip : std::string();
}

std::string Toolbar::DescriptionOf(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->description : std::string();
}

std::vector<Toolbar::MenuEntry> Toolbar::MenuOf(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->menu : std::vector<MenuEntry>{};
}

int Toolbar::Value(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->value : 0;
}

void Toolbar::SetValue(const std::string& key, int value) {
    Button_* b = Find(key);
    if (b == nullptr) return;
    b->value = value != 0 ? 1 : 0;
    ShowValue(*b);
}

bool Toolbar::Enabled(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr && b->enabled;
}

void Toolbar::SetEnabled(const std::string& key, bool enabled) {
    Button_* b = Find(key);
    if (b == nullptr) return;
    b->enabled = enabled;
    if (b->widget != nullptr) b->widget->setEnabled(enabled);
}

QToolButton* Toolbar::Button(const std::string& key) const {
    const Button_* b = Find(key);
    return b != nullptr ? b->widget : nullptr;
}

void Toolbar::ShowValue(Button_& b) {
    if (b.widget != nullptr && b.widget->isCheckable()) b.widget->setChecked(b.value == 1);
}

void Toolbar::Press(const std::string& key) {
    Button_* b = Find(key);
    if (b == nullptr || !b->enabled) {
        // The control may have toggled its look already.
        if (b != nullptr) ShowValue(*b);
        return;
    }
    const int position = PositionOf(key);
    if (b->style == Style::Check) {
        b->value = b->value == 1 ? 0 : 1;
    } else if (InKindGroup(position)) {
        for (int p = 5; p <= 11; ++p) {
            if (p != position) SetValue(KeyAt(p), 0);
        }
        b->value = 1;
    }
    ShowValue(*b);
    if (ButtonClick) ButtonClick(key);
}

void Toolbar::ChooseMenuItem(const std::string& key, int index) {
    Button_* b = Find(key);
    if (b == nullptr || !b->enabled || index < 1 || index > static_cast<int>(b->menu.size())) return;
    if (ButtonMenuClick) ButtonMenuClick(b->menu[static_cast<std::size_t>(index - 1)].text, index);
}

}  // namespace ranvik
