// View > Marks as Background and View > Font...: every open view and every
// new one follows them, and they are kept in the settings.
#include "view/dump_appearance.h"

#include <QFontInfo>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSettings>

#include "app/shell_command_table.h"
#include "support/compare_gui_fixture.h"
#include "support/view_image.h"
#include "view/color_table.h"

using orvel::ComparedFile;
using orvel::MarkColor;
using orvel::MarkDisplay;
using orvel::Offset;

namespace Cmd = orvel::Cmd;

namespace {

QColor Tint(MarkColor color) {
    const orvel::Rgb rgb = orvel::MarkTintRgb(color);
    return {rgb.red, rgb.green, rgb.blue};
}

// True when some pixel of `area` passes `test`.
template <class Test>
bool AnyPixel(const QImage& image, QRect area, Test test) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(QColor(image.pixel(x, y))))
                return true;
        }
    }
    return false;
}

bool Yellowish(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() < 100;
}
bool Dark(QColor c) {
    return qGray(c.rgb()) < 80;
}

class DumpAppearanceTest : public CompareGuiTest {
  protected:
    void TearDown() override {
        Appearance().setMarkDisplay(MarkDisplay::kText);
        Appearance().setFont(DumpAppearance::DefaultFont());
        CompareGuiTest::TearDown();
    }

    static DumpAppearance& Appearance() { return COrvelApp::instance()->dumpAppearance(); }
    static bool Checked(orvel::CommandId cmd) {
        COrvelApp::instance()->mainFrame()->UpdateCommands();
        return COrvelApp::instance()->mainFrame()->action(cmd)->isChecked();
    }

    COrvelView* OpenSingle(const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.File("single.bin");
        orvel::test::WriteFileBytes(path, bytes);
        CChildFrame* child = OpenFile(path);
        return child != nullptr ? child->view() : nullptr;
    }

    // Maximises the window of `view` and shows its text from the top, so
    // that the bytes of its first lines are in the picture.
    static void ShowTop(COrvelView* view) {
        view->window()->resize(1600, 1000);  // room for a whole line beside the differences panel
        for (QWidget* widget = view; widget != nullptr; widget = widget->parentWidget()) {
            if (auto* window = qobject_cast<QMdiSubWindow*>(widget)) {
                window->showMaximized();
                break;
            }
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [view] { return view->viewport()->height() >= 8 * view->lineHeight(); }, 5000));
        view->verticalScrollBar()->setValue(0);
        view->horizontalScrollBar()->setValue(0);
    }

    // The high digit and the character cell of byte `byte` of a view.
    static std::pair<QRect, QRect> ByteCells(const COrvelView* view, Offset byte) {
        const orvel::HexPos digits = view->layout().ByteToHexPos(byte);
        return {orvel::test::CellRect(view, digits.high, 2),
                orvel::test::CellRect(view, view->layout().HexPosToCharPos(digits.high))};
    }
};

// Marked cells are tinted behind black text in every view, the single-file
// window and both panes of a comparison; unmarked and selected cells keep
// their look; switching back restores coloured text.
TEST_F(DumpAppearanceTest, MarksAsBackgroundTintsTheMarkedCellsOfEveryView) {
    CCompareFilesChildFrame* comparison =
        Open(std::vector<std::uint8_t>(64, 0x41), std::vector<std::uint8_t>(64, 0x42));
    ASSERT_NE(comparison, nullptr);
    COrvelView* single = OpenSingle(std::vector<std::uint8_t>(64, 0x43));
    ASSERT_NE(single, nullptr);
    std::vector<COrvelView*> views = {single, comparison->view(ComparedFile::kFirst),
                                      comparison->view(ComparedFile::kSecond)};
    for (COrvelView* view : views) {
        view->marks().Paint(16, 19, MarkColor::kYellow);
        view->SetSelection(
            {view->layout().ByteToHexPos(20).high, view->layout().ByteToHexPos(21).high});
        view->clearFocus();  // no caret in the picture
    }
    EXPECT_FALSE(Checked(Cmd::ViewMarksAsBackground));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewMarksAsBackground));
    EXPECT_TRUE(Checked(Cmd::ViewMarksAsBackground));
    EXPECT_EQ(Appearance().markDisplay(), MarkDisplay::kBackground);
    for (COrvelView* view : views) {
        SCOPED_TRACE(view->objectName().toStdString() + " " + view->metaObject()->className());
        ShowTop(view);
        const QColor base = view->palette().base().color();
        const QImage image = orvel::test::RenderedImage(view);
        for (const QRect cell :
             {ByteCells(view, 16).first, ByteCells(view, 16).second, ByteCells(view, 19).first}) {
            EXPECT_EQ(QColor(image.pixel(cell.topLeft())), Tint(MarkColor::kYellow));
            EXPECT_EQ(QColor(image.pixel(cell.bottomRight())), Tint(MarkColor::kYellow));
            EXPECT_TRUE(AnyPixel(image, cell, Dark));
            EXPECT_FALSE(AnyPixel(image, cell, Yellowish));
        }
        EXPECT_EQ(QColor(image.pixel(ByteCells(view, 15).first.topLeft())), base);
        EXPECT_EQ(QColor(image.pixel(ByteCells(view, 20).first.topLeft())),
                  view->palette().highlight().color());
    }
    ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewMarksAsBackground));
    EXPECT_FALSE(Checked(Cmd::ViewMarksAsBackground));
    for (COrvelView* view : views) {
        ShowTop(view);
        const QImage image = orvel::test::RenderedImage(view);
        const QRect cell = ByteCells(view, 16).first;
        EXPECT_EQ(QColor(image.pixel(cell.topLeft())), view->palette().base().color());
        EXPECT_TRUE(AnyPixel(image, cell, Yellowish));
    }
}

// Both choices outlive the program in the settings; a stored font that is not
// of fixed pitch, or not a font at all, gives the default font.
TEST_F(DumpAppearanceTest, TheChoicesAreKeptInTheSettings) {
    QSettings settings(QString::fromStdString(dir_.File("appearance.ini")), QSettings::IniFormat);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPointSize(13);
    {
        DumpAppearance appearance(settings);
        EXPECT_EQ(appearance.markDisplay(), MarkDisplay::kText);
        EXPECT_EQ(appearance.font(), DumpAppearance::DefaultFont());
        appearance.setMarkDisplay(MarkDisplay::kBackground);
        appearance.setFont(mono);
    }
    {
        const DumpAppearance appearance(settings);
        EXPECT_EQ(appearance.markDisplay(), MarkDisplay::kBackground);
        EXPECT_EQ(appearance.font().family(), mono.family());
        EXPECT_EQ(appearance.font().pointSize(), 13);
    }
    QFont proportional(QStringLiteral("DejaVu Sans"));
    proportional.setPointSize(13);
    ASSERT_FALSE(QFontInfo(proportional).fixedPitch());
    for (const QString& stored : {proportional.toString(), QStringLiteral("no font, at all")}) {
        settings.setValue("View/Font", stored);
        EXPECT_EQ(DumpAppearance(settings).font(), DumpAppearance::DefaultFont())
            << stored.toStdString();
    }
}

// View > Font... opens the dialog on the current font; the chosen font goes
// to every open view, to the views opened after, and to the settings. A
// cancelled dialog changes nothing.
TEST_F(DumpAppearanceTest, ViewFontSetsTheFontOfEveryViewNowAndLater) {
    CCompareFilesChildFrame* comparison = Open({1, 2, 3}, {1, 2, 4});
    ASSERT_NE(comparison, nullptr);
    COrvelView* single = OpenSingle({5, 6});
    ASSERT_NE(single, nullptr);
    const QFont before = Appearance().font();
    QFont chosen(QStringLiteral("DejaVu Sans Mono"));
    chosen.setPointSize(14);
    ASSERT_TRUE(QFontInfo(chosen).fixedPitch());

    prompts().CancelFontNext();
    ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewFont));
    EXPECT_EQ(Appearance().font(), before);
    EXPECT_EQ(single->font(), before);

    prompts().ChooseFontNext(chosen);
    ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewFont));
    EXPECT_EQ(prompts().fontDialogs, (QList<QFont>{before, before}));
    frame()->OnWindowNew();
    COrvelView* later = frame()->activeChild()->view();
    ASSERT_NE(later, single);
    const std::vector<const COrvelView*> views = {single, comparison->view(ComparedFile::kFirst),
                                                  comparison->view(ComparedFile::kSecond), later};
    for (const COrvelView* view : views) {
        EXPECT_EQ(view->font().family(), chosen.family());
        EXPECT_EQ(view->font().pointSize(), 14);
        EXPECT_EQ(view->charWidth(),
                  orvel::CellGrid::CellWidthFor(
                      QFontMetricsF(chosen).horizontalAdvance(QLatin1Char('0'))));
    }
    EXPECT_EQ(COrvelApp::instance()->settings().value("View/Font").toString(), chosen.toString());
}

}  // namespace
