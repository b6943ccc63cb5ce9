#include "inspector/caret_readouts.h"

#include "editing/field_checks.h"

namespace orvel {
namespace {

// Offsets and sizes are never negative here.
std::string Hex(Offset value) {
    return "0x" + AddressFieldText(value);
}

std::string Bytes(Offset count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

}  // namespace

std::string OffsetReadout(Offset offset) {
    return "Offset: " + Hex(offset) + " (" + std::to_string(offset) + ")";
}

std::string SelectionReadout(Offset first, Offset count) {
    const std::string range = count == 1 ? Hex(first) : Hex(first) + "-" + Hex(first + count - 1);
    return "Selection: " + range + ", " + Bytes(count);
}

std::string SizeReadout(Offset size) {
    return "Size: " + Hex(size) + " (" + std::to_string(size) + (size == 1 ? ") byte" : ") bytes");
}

std::string DifferencesReadout(Offset count, bool finished) {
    return "Differences: " + std::to_string(count) + (finished ? "" : " (stopped)");
}

}  // namespace orvel
