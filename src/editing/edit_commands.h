#pragma once

#include <optional>

#include "editing/address_dialogs.h"
#include "editing/bitwise_kernels.h"
#include "ui/command_target.h"

class COrvelView;

// The block commands of the Edit and Operations menus on one hex view: Copy,
// Cut, Paste, Delete and Insert Bytes, Select Bytes, Go To, Replace Bytes,
// Reverse Seq and the four bitwise operations. Each opens its dialog preset
// from the view's selection, runs its kernel on the view's bytes and leaves the
// selection the kernel gives. They wait while a marking run owns the document.
// The remembered Shift and Mask settings belong to the view. GUI thread only.
class EditCommands final : public CommandTarget {
  public:
    explicit EditCommands(COrvelView& view);

    [[nodiscard]] const orvel::BitwiseSettings& bitwiseSettings() const { return settings_; }

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

  private:
    void Run(orvel::Cmd cmd, orvel::DialogId id, const orvel::DialogMembers& m);

    COrvelView& view_;
    orvel::BitwiseSettings settings_;
};
