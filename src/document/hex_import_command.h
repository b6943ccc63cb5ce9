#pragma once

class QWidget;
class UserPrompts;

namespace orvel {
class BinaryDocument;
}

// The import path of a new document: asks for a text file of hex values
// (owned by `parent`) and makes its values the document's bytes, counted as
// modified. False when the user cancelled (nothing said) or the import failed
// (reported to the user); the document is then to be discarded.
[[nodiscard]] bool ImportHexTextIntoDocument(UserPrompts& prompts, QWidget* parent,
                                             orvel::BinaryDocument& data);
