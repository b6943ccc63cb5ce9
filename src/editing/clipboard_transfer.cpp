#include "editing/clipboard_transfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdint>
#include <new>
#include <span>
#include <string_view>

#include "editing/clipboard_codec.h"
#include "editing/clipboard_text.h"
#include "ui/qt_string.h"

namespace {

constexpr char kTextMimeType[] = "text/plain";

std::span<const std::uint8_t> Bytes(const QByteArray& array) {
    return {reinterpret_cast<const std::uint8_t*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

// The text of the block's bytes; empty when there is no memory for it.
QByteArray BlockText(const QByteArray& block) {
    const auto bytes = orvel::DecodeClipboardBlock(Bytes(block));
    if (!bytes)
        return {};
    try {
        QByteArray text(static_cast<qsizetype>(orvel::HexPairsTextSize(bytes->size())),
                        Qt::Uninitialized);
        orvel::WriteHexPairsText(
            *bytes, std::span<char>(text.data(), static_cast<std::size_t>(text.size())));
        return text;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace

QString ClipboardMimeType() {
    return ToQString(orvel::kClipboardFormatName);
}

void PutBlockOnClipboard(QByteArray block) {
    QByteArray text = BlockText(block);
    auto* data = new QMimeData;
    data->setData(ClipboardMimeType(), std::move(block));
    if (!text.isEmpty())
        data->setData(QString::fromLatin1(kTextMimeType), std::move(text));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<QByteArray> GetBlockFromClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(ClipboardMimeType()))
        return std::nullopt;
    return data->data(ClipboardMimeType());
}

QByteArray GetTextFromClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return {};
    return data->text().toUtf8();
}

bool ClipboardHoldsBytes() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr)
        return false;
    if (data->hasFormat(ClipboardMimeType()))
        return true;
    const QByteArray text = GetTextFromClipboard();
    return orvel::IsHexPairsText(std::string_view(text.constData(), text.size()));
}
