#pragma once

#include <QDockWidget>
#include <string>
#include <vector>

#include "search/search_query.h"
#include "search/searcher.h"

class CColorComboBox;
class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// The search panel of a window: the pattern (with its history) and how to
// read it, the options of a search, the replacement, the buttons, and the list
// of the hits Find All found with their count. It only shows and asks; the
// window's search commands do the work.
class SearchPanel final : public QDockWidget {
    Q_OBJECT
  public:
    explicit SearchPanel(QWidget* parent);

    [[nodiscard]] QString patternText() const;
    [[nodiscard]] orvel::PatternMode mode() const;
    [[nodiscard]] bool caseSensitive() const;
    // The direction of Find Next; Find Previous goes the other way.
    [[nodiscard]] orvel::SearchDirection direction() const;
    [[nodiscard]] bool wrap() const;
    [[nodiscard]] bool withinSelection() const;
    [[nodiscard]] QString replacementText() const;
    [[nodiscard]] std::string markColorName() const;

    // The texts the pattern field offers, the latest first; the field keeps its text.
    void SetHistory(const std::vector<std::string>& texts);
    void SetHitModel(QAbstractItemModel* model);
    // The line above the list: the count of the hits, and where the list stopped.
    void SetCountText(const QString& text);
    // Names the bytes a search within the selection keeps to; untick with an empty text.
    void SetScopeText(const QString& text);
    // Puts the focus in the pattern field with its text selected.
    void FocusPattern();

    // The controls, for the tests.
    [[nodiscard]] QComboBox* patternBox() const { return pattern_; }
    [[nodiscard]] QComboBox* modeBox() const { return mode_; }
    [[nodiscard]] QCheckBox* caseBox() const { return case_; }
    [[nodiscard]] QRadioButton* backwardButton() const { return backward_; }
    [[nodiscard]] QCheckBox* wrapBox() const { return wrap_; }
    [[nodiscard]] QCheckBox* withinBox() const { return within_; }
    [[nodiscard]] QLineEdit* replacementEdit() const { return replacement_; }
    [[nodiscard]] CColorComboBox* colorBox() const { return color_; }
    [[nodiscard]] QTableView* hitView() const { return hits_; }
    [[nodiscard]] QLabel* countLabel() const { return count_; }
    [[nodiscard]] QPushButton* button(const QString& text) const;

  signals:
    void findNextRequested();
    void findPreviousRequested();
    void findAllRequested();
    void replaceRequested();
    void replaceAllRequested();
    void markHitsRequested();
    void withinSelectionToggled(bool on);
    void hitChosen(int row);

  private:
    QPushButton* AddButton(const QString& text, void (SearchPanel::*signal)());

    QComboBox* pattern_;
    QComboBox* mode_;
    QCheckBox* case_;
    QRadioButton* forward_;
    QRadioButton* backward_;
    QCheckBox* wrap_;
    QCheckBox* within_;
    QLineEdit* replacement_;
    CColorComboBox* color_;
    QTableView* hits_;
    QLabel* count_;
    std::vector<QPushButton*> buttons_;
};
