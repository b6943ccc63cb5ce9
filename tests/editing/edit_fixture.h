#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

#include "editing/address_dialog.h"
#include "editing/hex_edit.h"
#include "support/gui_fixture.h"

// Opens files in single-file windows and answers the block commands' modal
// dialogs from within their event loop.
class EditTest : public GuiTest {
  protected:
    COrvelView* Open(const std::vector<std::uint8_t>& bytes, const char* name = "edit.bin") {
        const std::string path = dir_.File(name);
        orvel::test::WriteFileBytes(path, bytes);
        CChildFrame* child = OpenFile(path);
        if (child == nullptr)
            return nullptr;
        child->view()->setFocus();
        frame()->UpdateCommands();
        return child->view();
    }

    // Hands the next modal address dialog to `act`; whatever `act` leaves
    // open is cancelled, so a test never hangs on a dialog.
    static void OnDialog(std::function<void(AddressDialog*)> act) {
        QTimer::singleShot(0, [act = std::move(act)] {
            auto* dialog = qobject_cast<AddressDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no address dialog is open";
                return;
            }
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    // Runs `cmd` and answers its dialog with the field texts and OK.
    void RunWith(orvel::CommandId cmd, QStringList texts) {
        OnDialog([texts = std::move(texts)](AddressDialog* dialog) {
            ASSERT_EQ(static_cast<int>(texts.size()), dialog->fieldCount());
            for (int i = 0; i < dialog->fieldCount(); ++i)
                dialog->field(i)->setText(texts[i]);
            dialog->accept();
        });
        EXPECT_TRUE(frame()->RouteCommand(cmd));
    }

    static std::vector<std::uint8_t> Bytes(const COrvelView* view) {
        const auto span = view->data().bytes().span();
        return {span.begin(), span.end()};
    }

    static std::vector<std::uint8_t> Counting(int count) {
        std::vector<std::uint8_t> bytes(count);
        for (int i = 0; i < count; ++i)
            bytes[i] = static_cast<std::uint8_t>(i);
        return bytes;
    }
};
