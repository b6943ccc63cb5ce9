#include "editing/find_fields.h"

#include "editing/address_fields.h"

namespace orvel {
namespace {

constexpr FieldRow kFindFieldRows[] = {
    {"Find What:", NumberBase::kHex, 8, true},
    {"Next Search Start Address:", NumberBase::kHex, 8},
};
constexpr auto kFindChecks =
    JoinChecks(RequiredNumber(kFindStart, kFillStartAddress, kInvalidStartAddress),
               RequiredNumber(kFindWhat, "Please fill the Find What field!",
                              "Find What field contains invalid characters!"));
constexpr FieldTable kFindTable{kFindFieldRows, kFindChecks};
static_assert(ChecksNameTheirFields(kFindTable));

}  // namespace

const FieldTable& FindBytesFields() {
    return kFindTable;
}

}  // namespace orvel
