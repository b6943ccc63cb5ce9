#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Moves an encoded block (see clipboard_codec.h) to and from the system
// clipboard. The block travels under one MIME type that carries the private
// format's name, so other windows and other running instances find it; after
// it comes the same bytes as plain text ("4F 52 56"), for other programs.
// Paste takes the block when there is one, else a plain text of hex values.
// GUI thread only.

// The MIME type of the private format.
[[nodiscard]] QString ClipboardMimeType();

// Replaces the clipboard's contents with `block` and, after it, the text of
// its bytes. When there is no memory for the text, the block goes alone.
void PutBlockOnClipboard(QByteArray block);

// The block on the clipboard, or nothing when the clipboard holds no data in
// the private format. The block is not decoded here.
[[nodiscard]] std::optional<QByteArray> GetBlockFromClipboard();

// The clipboard's plain text in UTF-8; empty when it holds none.
[[nodiscard]] QByteArray GetTextFromClipboard();

// True when Paste finds bytes on the clipboard: a block in the private format
// (damaged or not), or a plain text of hex values.
[[nodiscard]] bool ClipboardHoldsBytes();
