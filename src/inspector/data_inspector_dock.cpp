#include "inspector/data_inspector_dock.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <span>
#include <string>

#include "inspector/caret_place.h"
#include "inspector/data_inspector.h"
#include "ui/qt_string.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "view/orvel_view.h"

using orvel::InspectorField;
using orvel::Offset;

namespace {

constexpr char kBigEndianKey[] = "DataInspector/BigEndian";
// An undo names the step "Undo Edit Value".
constexpr char kStepName[] = "Edit Value";

int Row(InspectorField field) {
    return static_cast<int>(
        std::find(orvel::kInspectorFields.begin(), orvel::kInspectorFields.end(), field) -
        orvel::kInspectorFields.begin());
}

}  // namespace

DataInspectorDock::DataInspectorDock(ShellServices& shell, QWidget* parent)
    : QDockWidget(QStringLiteral("Data Inspector"), parent),
      shell_(shell),
      watch_(
          [this] {
              if (!isHidden())  // a hidden dock catches up when shown
                  Refresh();
          },
          this),
      little_(new QRadioButton(QStringLiteral("&Little Endian"))),
      big_(new QRadioButton(QStringLiteral("&Big Endian"))),
      table_(new QTableWidget(static_cast<int>(orvel::kInspectorFields.size()), 2)) {
    setObjectName(QStringLiteral("dataInspector"));
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    auto* order = new QHBoxLayout;
    order->addWidget(little_);
    order->addWidget(big_);
    order->addStretch(1);
    layout->addLayout(order);
    layout->addWidget(table_, 1);
    setWidget(client);

    table_->setHorizontalHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const InspectorField field : orvel::kInspectorFields) {
        auto* label = new QTableWidgetItem(ToQString(orvel::FieldLabel(field)));
        label->setFlags(Qt::ItemIsEnabled);
        table_->setItem(Row(field), 0, label);
        table_->setItem(Row(field), 1, new QTableWidgetItem);
    }
    // One line a value, wide enough for the longest ones (a time, a float).
    table_->setWordWrap(false);
    table_->resizeColumnToContents(0);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    const int valueWidth =
        table_->fontMetrics().horizontalAdvance(QStringLiteral("-2.2250738585072014e-308")) +
        4 * table_->fontMetrics().averageCharWidth() +
        table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    table_->setMinimumWidth(table_->columnWidth(0) + valueWidth + 2 * table_->frameWidth());
    connect(table_, &QTableWidget::itemChanged, this, &DataInspectorDock::OnItemChanged);

    const bool bigEndian = shell_.settings().value(QLatin1String(kBigEndianKey), false).toBool();
    (bigEndian ? big_ : little_)->setChecked(true);
    connect(big_, &QRadioButton::toggled, this, [this](bool checked) {
        shell_.settings().setValue(QLatin1String(kBigEndianKey), checked);
        Refresh();
    });
    Refresh();
}

orvel::ByteOrder DataInspectorDock::byteOrder() const {
    return big_->isChecked() ? orvel::ByteOrder::kBigEndian : orvel::ByteOrder::kLittleEndian;
}

void DataInspectorDock::setByteOrder(orvel::ByteOrder order) {
    (order == orvel::ByteOrder::kBigEndian ? big_ : little_)->setChecked(true);
}

void DataInspectorDock::Follow(COrvelView* view) {
    if (watch_.Watch(view))
        Refresh();
}

void DataInspectorDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    Refresh();
}

void DataInspectorDock::Refresh() {
    std::span<const std::uint8_t> bytes;
    bool editable = false;
    inspected_ = 0;
    if (COrvelView* shown = view()) {
        const orvel::BinaryDocument& doc = shown->data();
        inspected_ = orvel::PlaceOf(shown->layout(), shown->selection(), doc.size()).inspected();
        bytes = doc.bytes().span().subspan(static_cast<std::size_t>(inspected_));
        editable = shown->IsMarkIdle();
    }
    filling_ = true;
    // Only what changed is set: each change repaints the table.
    for (const InspectorField field : orvel::kInspectorFields) {
        const orvel::InspectedValue value = orvel::InspectField(bytes, field, byteOrder());
        QTableWidgetItem* item = table_->item(Row(field), 1);
        const QString text = ToQString(value.text);
        if (item->text() != text)
            item->setText(text);
        const bool shown = value.state == orvel::InspectedValue::State::kShown;
        const QBrush& brush = shown ? palette().text() : palette().placeholderText();
        if (item->foreground() != brush)
            item->setForeground(brush);
        // A value past the end has no bytes to write over.
        const bool writable = editable && value.state != orvel::InspectedValue::State::kUnavailable;
        const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                    (writable ? Qt::ItemIsEditable : Qt::NoItemFlags);
        if (item->flags() != flags)
            item->setFlags(flags);
    }
    filling_ = false;
}

void DataInspectorDock::OnItemChanged(QTableWidgetItem* item) {
    if (filling_ || item->column() != 1)
        return;
    WriteValue(orvel::kInspectorFields[static_cast<std::size_t>(item->row())], item->text());
    Refresh();  // the value as it now stands, also after a refusal
}

bool DataInspectorDock::WriteValue(InspectorField field, const QString& text) {
    COrvelView* target = view();
    if (target == nullptr || !target->IsMarkIdle())
        return false;
    orvel::BinaryDocument& doc = target->data();
    const Offset at = orvel::PlaceOf(target->layout(), target->selection(), doc.size()).inspected();
    const orvel::FieldBytes value =
        orvel::EncodeField(text.toStdString(), field, byteOrder(), doc.size() - at);
    if (!value.accepted()) {
        shell_.prompts().Tell(this, ToQString(value.refusal), UserPrompts::Icon::kStop);
        return false;
    }
    const auto old = doc.bytes().span().subspan(static_cast<std::size_t>(at), value.bytes.size());
    if (std::equal(old.begin(), old.end(), value.bytes.begin()))
        return true;  // the same value: no change, and the file stays unmodified
    doc.EndTyping();
    orvel::EditOutcome outcome;
    {
        const orvel::EditGroup group(doc, kStepName);
        outcome = doc.ReplaceRange(at, value.bytes);
    }
    if (outcome != orvel::EditOutcome::kDone) {
        target->ReportOutcome(outcome);
        return false;
    }
    return true;
}
