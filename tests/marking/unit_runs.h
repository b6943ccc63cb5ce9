#pragma once

#include <QLineEdit>
#include <QTest>
#include <utility>

#include <gtest/gtest.h>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "document/orvel_doc.h"
#include "marking/mark_command_table.h"
#include "marking/mark_units_dlg.h"
#include "support/modal_dialog.h"
#include "view/color_combo_box.h"
#include "view/orvel_view.h"

// Long marking runs for the widget tests: Mark Units in units of one byte over
// a document far larger than a test lasts.

// A window on a document of 0xFFFFFFFF bytes (pages never touched read as
// zero), so that a run painting it byte by byte lasts far longer than a test.
inline CChildFrame* HugeMarkingWindow(CMainFrame* frame) {
    CChildFrame* child = frame->NewDocument();
    orvel::ByteBuffer huge;
    huge.resizeForOverwrite(orvel::kMaxFileSize);
    child->document()->data().AssignBytes(std::move(huge), false);
    return child;
}

// Mark Units over the whole file of the active window, red and blue.
inline void StartUnitsRunInActiveWindow(CMainFrame* frame) {
    OnModalDialog<CMarkUnitsDlg>([](CMarkUnitsDlg& dialog) {
        dialog.edit(orvel::kUnitsSize)->setText("1");
        dialog.color1()->SelectName("Red");
        dialog.color2()->SelectName("Blue");
        dialog.accept();
    });
    ASSERT_TRUE(frame->RouteCommand(orvel::Cmd::MarkUnits));
}

inline constexpr int kWaitMs = 60000;

inline bool MarkingIdle(const CChildFrame* child) {
    const auto& data = child->document()->data();
    return data.m_bMarking == 0 && data.m_bMarkIdle == 1 && data.m_nMarkKind == 0;
}
inline bool WaitMarkingIdle(const CChildFrame* child) {
    return QTest::qWaitFor([&] { return MarkingIdle(child); }, kWaitMs);
}
// Waits until the run has painted more pages than now.
inline bool WaitMarkingPaints(const CChildFrame* child) {
    const orvel::Offset before = child->view()->marks().pagesInUse();
    return QTest::qWaitFor([&] { return child->view()->marks().pagesInUse() > before; }, kWaitMs);
}
