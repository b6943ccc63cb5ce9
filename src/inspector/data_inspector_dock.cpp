#include "inspector/data_inspector_dock.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QSettings>
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

CDataInspectorDock::CDataInspectorDock(ShellServices& shell, QWidget* parent)
    : QDockWidget(QStringLiteral("Data Inspector"), parent),
      shell_(shell),
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
    table_->resizeColumnToContents(0);
    connect(table_, &QTableWidget::itemChanged, this, &CDataInspectorDock::OnItemChanged);

    const bool bigEndian = shell_.settings().value(QLatin1String(kBigEndianKey), false).toBool();
    (bigEndian ? big_ : little_)->setChecked(true);
    connect(big_, &QRadioButton::toggled, this, [this](bool checked) {
        shell_.settings().setValue(QLatin1String(kBigEndianKey), checked);
        Refresh();
    });
    Refresh();
}

orvel::ByteOrder CDataInspectorDock::byteOrder() const {
    return big_->isChecked() ? orvel::ByteOrder::kBigEndian : orvel::ByteOrder::kLittleEndian;
}

void CDataInspectorDock::setByteOrder(orvel::ByteOrder order) {
    (order == orvel::ByteOrder::kBigEndian ? big_ : little_)->setChecked(true);
}

void CDataInspectorDock::Follow(COrvelView* view) {
    if (view == view_)
        return;
    disconnect(moved_);
    disconnect(edited_);
    view_ = view;
    if (view != nullptr) {
        moved_ = connect(view, &COrvelView::selectionChanged, this, &CDataInspectorDock::Schedule);
        edited_ = connect(view, &COrvelView::bytesEdited, this, &CDataInspectorDock::Schedule);
    }
    Refresh();
}

// The values are read once per turn of the event loop, and only while shown.
void CDataInspectorDock::Schedule() {
    if (scheduled_ || isHidden())
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &CDataInspectorDock::Refresh, Qt::QueuedConnection);
}

void CDataInspectorDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    Refresh();
}

void CDataInspectorDock::Refresh() {
    scheduled_ = false;
    std::span<const std::uint8_t> bytes;
    bool editable = false;
    inspected_ = 0;
    if (view_ != nullptr) {
        const orvel::BinaryDocument& doc = view_->data();
        inspected_ = orvel::PlaceOf(view_->layout(), view_->selection(), doc.size()).inspected();
        bytes = doc.bytes().span().subspan(static_cast<std::size_t>(inspected_));
        editable = view_->IsMarkIdle();
    }
    filling_ = true;
    for (const InspectorField field : orvel::kInspectorFields) {
        const orvel::InspectedValue value = orvel::InspectField(bytes, field, byteOrder());
        QTableWidgetItem* item = table_->item(Row(field), 1);
        item->setText(ToQString(value.text));
        const bool shown = value.state == orvel::InspectedValue::State::kShown;
        item->setForeground(shown ? palette().text() : palette().placeholderText());
        // A value past the end has no bytes to write over.
        const bool writable = editable && value.state != orvel::InspectedValue::State::kUnavailable;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                       (writable ? Qt::ItemIsEditable : Qt::NoItemFlags));
    }
    filling_ = false;
}

void CDataInspectorDock::OnItemChanged(QTableWidgetItem* item) {
    if (filling_ || item->column() != 1)
        return;
    WriteValue(orvel::kInspectorFields[static_cast<std::size_t>(item->row())], item->text());
    Refresh();  // the value as it now stands, also after a refusal
}

bool CDataInspectorDock::WriteValue(InspectorField field, const QString& text) {
    if (view_ == nullptr || !view_->IsMarkIdle())
        return false;
    orvel::BinaryDocument& doc = view_->data();
    const Offset at = orvel::PlaceOf(view_->layout(), view_->selection(), doc.size()).inspected();
    const orvel::FieldBytes value =
        orvel::EncodeField(text.toStdString(), field, byteOrder(), doc.size() - at);
    if (!value.accepted()) {
        shell_.prompts().Tell(this, ToQString(value.refusal), UserPrompts::Icon::Stop);
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
        view_->ReportOutcome(outcome);
        return false;
    }
    return true;
}
