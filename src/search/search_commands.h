#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "search/search_history.h"
#include "search/search_panel.h"
#include "search/search_step.h"
#include "search/searcher.h"
#include "view/orvel_view.h"

class HitListModel;

// The settings of the search panel.
inline constexpr char kSearchHistoryKey[] = "Search/History";
// The most hits a Find All lists (1,000,000 unless set).
inline constexpr char kSearchMaxHitsKey[] = "Search/MaxHits";

// The search of a hex view: its window's search panel (docked beside the
// view, made on first use, gone with the view), Find Next and Find Previous,
// Find All on the document's background job with its list of hits, marking
// the hits, Replace and Replace All (one step of the history each).
class SearchCommands final : public QObject, public ViewPart {
    Q_OBJECT
  public:
    explicit SearchCommands(COrvelView& view);
    ~SearchCommands() override;

    // True when the view's window can dock the panel (a single-file window).
    [[nodiscard]] static bool CanHost(const COrvelView& view);

    // Search: shows the panel with the focus in its pattern field.
    void OpenPanel();
    // F3 and Shift+F3: Find Next in the panel's direction, Find Previous in
    // the other; with no pattern yet they open the panel.
    void FindNext();
    void FindPrevious();
    void FindAll();
    void Replace();
    void ReplaceAll();
    void MarkHits();
    // Selects the hit of the list's row.
    void SelectHit(int row);

    [[nodiscard]] SearchPanel* panel() const { return panel_; }
    [[nodiscard]] const HitListModel& hitList() const { return *hits_; }

  private:
    // The panel's pattern made ready, or nothing after telling the user why.
    [[nodiscard]] std::optional<orvel::Searcher> ReadPattern();
    void Find(orvel::SearchDirection direction);
    // The bytes searched: the whole file, or the kept selection.
    [[nodiscard]] orvel::ByteSpan Scope() const;
    // The selected bytes; empty at the caret's byte when nothing is selected.
    [[nodiscard]] orvel::ByteSpan SelectedBytes() const;
    void SelectBytes(orvel::Offset first, orvel::Offset count);
    void OnWithinSelection(bool on);
    // False, after saying so, while a worker owns the document.
    [[nodiscard]] bool CheckIdle();
    void Status(const QString& text);

    COrvelView& view_;
    QPointer<SearchPanel> panel_;
    HitListModel* hits_;
    orvel::SearchHistory history_;
    std::optional<orvel::ByteSpan> scope_;
    int observerId_ = 0;
};
