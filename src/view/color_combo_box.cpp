#include "view/color_combo_box.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "ui/qt_string.h"
#include "view/color_table.h"

namespace {

QColor SwatchColor(const QVariant& data) {
    const orvel::Rgb rgb = orvel::MarkColorRgb(static_cast<orvel::MarkColor>(data.toInt()));
    return {rgb.red, rgb.green, rgb.blue};
}

QColor Inverse(const QColor& colour) {
    return {255 - colour.red(), 255 - colour.green(), 255 - colour.blue()};
}

// Fills the item with its colour and frames it when it is selected; no text.
void DrawSwatch(QPainter& painter, const QRect& rect, const QColor& swatch, bool selected,
                const QColor& background) {
    painter.fillRect(rect, swatch);
    if (selected) {
        painter.setPen(Inverse(background));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

class SwatchDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QColor background = option.palette.color(QPalette::Base);
        painter->fillRect(option.rect, background);
        DrawSwatch(*painter, option.rect.adjusted(1, 1, -1, -1),
                   SwatchColor(index.data(Qt::UserRole)), option.state & QStyle::State_Selected,
                   background);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), 16};  // fixed item height
    }
};

}  // namespace

CColorComboBox::CColorComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setItemDelegate(new SwatchDelegate(this));
    for (int i = 0; i < orvel::kMarkColorCount; ++i) {
        const std::string_view name = orvel::kMarkColorNames[static_cast<std::size_t>(i)];
        addItem(ToQString(name), i);
    }
    setCurrentIndex(-1);
    setMinimumWidth(80);
}

void CColorComboBox::SelectName(const std::string& name) {
    setCurrentIndex(
        findText(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void CColorComboBox::ReadName(std::string& name) const {
    if (currentIndex() >= 0)
        name = currentText().toStdString();
}

// The closed box: its frame and arrow as usual, the selected swatch in place of the text.
void CColorComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawSwatch(painter, field.adjusted(1, 1, -1, -1), SwatchColor(currentData()), true,
               palette().color(QPalette::Base));
}
