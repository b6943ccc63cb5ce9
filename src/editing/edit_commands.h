#pragma once

#include <optional>
#include <string_view>

#include "editing/address_dialogs.h"
#include "editing/bitwise_kernels.h"
#include "view/orvel_view.h"

// The block commands of the Edit and Operations menus on one hex view: Copy,
// Cut, Paste, Delete and Insert Bytes, Select Bytes, Go To, Replace Bytes,
// Reverse Seq and the four bitwise operations. Each opens its dialog preset
// from the view's selection, runs its kernel on the view's bytes and leaves the
// selection the kernel gives. They wait while a marking run owns the document.
// The remembered Shift and Mask settings belong to the view. GUI thread only.
class EditCommands final : public ViewPart {
  public:
    explicit EditCommands(COrvelView& view);

    [[nodiscard]] const orvel::BitwiseSettings& bitwiseSettings() const { return settings_; }

    // Runs the command of dialog `id` on the view; an undo takes it back as
    // one step named `step`.
    void Open(orvel::DialogId id, std::string_view step);

  private:
    void Run(orvel::DialogId id, std::string_view step, const orvel::DialogMembers& m);

    COrvelView& view_;
    orvel::BitwiseSettings settings_;
};
