#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Moves an encoded block (see clipboard_codec.h) to and from the system
// clipboard. The block travels under one MIME type that carries the private
// format's name, so other windows and other running instances find it; nothing
// else is offered with it. GUI thread only.

// The MIME type of the private format.
[[nodiscard]] QString ClipboardMimeType();

// Replaces the clipboard's contents with `block`.
void PutBlockOnClipboard(QByteArray block);

// The block on the clipboard, or nothing when the clipboard holds no data in
// the private format. The block is not decoded here.
[[nodiscard]] std::optional<QByteArray> GetBlockFromClipboard();
