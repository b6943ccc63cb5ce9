#include "search/search_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "view/color_combo_box.h"

using orvel::PatternMode;

namespace {

constexpr struct {
    const char* text;
    PatternMode mode;
} kModes[] = {
    {"Hex bytes (?? any byte, ? any digit)", PatternMode::kHex},
    {"Text, ASCII / Latin-1", PatternMode::kLatin1},
    {"Text, UTF-8", PatternMode::kUtf8},
    {"Text, UTF-16LE", PatternMode::kUtf16LE},
    {"Text, UTF-16BE", PatternMode::kUtf16BE},
};

}  // namespace

SearchPanel::SearchPanel(QWidget* parent) : QDockWidget(QStringLiteral("Search"), parent) {
    setObjectName(QStringLiteral("SearchPanel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);

    auto* form = new QFormLayout;
    pattern_ = new QComboBox(body);
    pattern_->setEditable(true);
    pattern_->setInsertPolicy(QComboBox::NoInsert);
    pattern_->setMaxVisibleItems(20);
    // Room for the longest pattern in hex with blanks between the bytes.
    constexpr int kLongestText = 3 * static_cast<int>(orvel::kMaxSearchPatternSize);
    pattern_->lineEdit()->setMaxLength(kLongestText);
    form->addRow(QStringLiteral("Find:"), pattern_);
    mode_ = new QComboBox(body);
    for (const auto& entry : kModes)
        mode_->addItem(QString::fromLatin1(entry.text), static_cast<int>(entry.mode));
    form->addRow(QStringLiteral("As:"), mode_);
    replacement_ = new QLineEdit(body);
    replacement_->setMaxLength(kLongestText);
    form->addRow(QStringLiteral("Replace with:"), replacement_);
    layout->addLayout(form);

    case_ = new QCheckBox(QStringLiteral("Match case"), body);
    case_->setChecked(true);
    wrap_ = new QCheckBox(QStringLiteral("Wrap around"), body);
    wrap_->setChecked(true);
    within_ = new QCheckBox(QStringLiteral("Within selection"), body);
    forward_ = new QRadioButton(QStringLiteral("Forward"), body);
    backward_ = new QRadioButton(QStringLiteral("Backward"), body);
    forward_->setChecked(true);
    auto* options = new QHBoxLayout;
    options->addWidget(forward_);
    options->addWidget(backward_);
    options->addWidget(case_);
    options->addStretch();
    layout->addLayout(options);
    auto* options2 = new QHBoxLayout;
    options2->addWidget(wrap_);
    options2->addWidget(within_);
    options2->addStretch();
    layout->addLayout(options2);

    auto* row1 = new QHBoxLayout;
    row1->addWidget(AddButton(QStringLiteral("Find Next"), &SearchPanel::findNextRequested));
    row1->addWidget(
        AddButton(QStringLiteral("Find Previous"), &SearchPanel::findPreviousRequested));
    row1->addWidget(AddButton(QStringLiteral("Find All"), &SearchPanel::findAllRequested));
    layout->addLayout(row1);
    auto* row2 = new QHBoxLayout;
    row2->addWidget(AddButton(QStringLiteral("Replace"), &SearchPanel::replaceRequested));
    row2->addWidget(AddButton(QStringLiteral("Replace All"), &SearchPanel::replaceAllRequested));
    layout->addLayout(row2);

    count_ = new QLabel(body);
    layout->addWidget(count_);
    hits_ = new QTableView(body);
    hits_->setSelectionBehavior(QAbstractItemView::SelectRows);
    hits_->setSelectionMode(QAbstractItemView::SingleSelection);
    hits_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hits_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    hits_->setWordWrap(false);
    hits_->verticalHeader()->hide();
    // Fixed rows and columns: a million hits must not be measured one by one.
    hits_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    hits_->verticalHeader()->setDefaultSectionSize(hits_->fontMetrics().height() + 4);
    hits_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    hits_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(hits_, 1);

    auto* mark = new QHBoxLayout;
    mark->addWidget(AddButton(QStringLiteral("Mark the Hits"), &SearchPanel::markHitsRequested));
    color_ = new CColorComboBox(body);
    color_->SelectName("Red");
    mark->addWidget(color_);
    mark->addStretch();
    layout->addLayout(mark);
    setWidget(body);

    const auto textMode = [this] { case_->setEnabled(mode() != PatternMode::kHex); };
    connect(mode_, &QComboBox::currentIndexChanged, this, textMode);
    textMode();
    connect(pattern_->lineEdit(), &QLineEdit::returnPressed, this, &SearchPanel::findNextRequested);
    connect(within_, &QCheckBox::clicked, this, &SearchPanel::withinSelectionToggled);
    connect(hits_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit hitChosen(index.row()); });
    connect(hits_, &QTableView::activated, this,
            [this](const QModelIndex& index) { emit hitChosen(index.row()); });
}

QPushButton* SearchPanel::AddButton(const QString& text, void (SearchPanel::*signal)()) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, signal);
    buttons_.push_back(button);
    return button;
}

QPushButton* SearchPanel::button(const QString& text) const {
    for (QPushButton* button : buttons_) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QString SearchPanel::patternText() const {
    return pattern_->currentText();
}

PatternMode SearchPanel::mode() const {
    return static_cast<PatternMode>(mode_->currentData().toInt());
}

bool SearchPanel::caseSensitive() const {
    return case_->isChecked();
}

orvel::SearchDirection SearchPanel::direction() const {
    return backward_->isChecked() ? orvel::SearchDirection::kBackward
                                  : orvel::SearchDirection::kForward;
}

bool SearchPanel::wrap() const {
    return wrap_->isChecked();
}

bool SearchPanel::withinSelection() const {
    return within_->isChecked();
}

QString SearchPanel::replacementText() const {
    return replacement_->text();
}

std::string SearchPanel::markColorName() const {
    std::string name = "Red";
    color_->ReadName(name);
    return name;
}

void SearchPanel::SetHistory(const std::vector<std::string>& texts) {
    const QString text = pattern_->currentText();
    pattern_->clear();
    for (const std::string& entry : texts)
        pattern_->addItem(QString::fromStdString(entry));
    pattern_->setEditText(text);
}

void SearchPanel::SetHitModel(QAbstractItemModel* model) {
    hits_->setModel(model);
    hits_->setColumnWidth(0, hits_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
}

void SearchPanel::SetCountText(const QString& text) {
    count_->setText(text);
}

void SearchPanel::SetScopeText(const QString& text) {
    within_->setChecked(!text.isEmpty());
    within_->setText(text.isEmpty() ? QStringLiteral("Within selection")
                                    : QStringLiteral("Within selection (%1)").arg(text));
}

void SearchPanel::FocusPattern() {
    pattern_->setFocus();
    pattern_->lineEdit()->selectAll();
}
