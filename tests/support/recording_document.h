#pragma once

#include <cstdint>
#include <vector>

#include "document/binary_document.h"

namespace orvel::test {

// A document holding `bytes`, as loaded (not modified), that records every
// notice it tells its observers.
struct RecordingDocument {
    explicit RecordingDocument(const std::vector<std::uint8_t>& bytes) {
        doc.AssignBytes(ByteBuffer(bytes.data(), static_cast<Offset>(bytes.size())), false);
        doc.AddObserver([this](const ByteEdit& edit) { edits.push_back(edit); });
    }
    [[nodiscard]] std::vector<std::uint8_t> bytes() const {
        const auto span = doc.bytes().span();
        return {span.begin(), span.end()};
    }
    BinaryDocument doc;
    std::vector<ByteEdit> edits;
};

}  // namespace orvel::test
