#include "editing/clipboard_transfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editing/clipboard_codec.h"
#include "ui/qt_string.h"

QString ClipboardMimeType() {
    return ToQString(orvel::kClipboardFormatName);
}

void PutBlockOnClipboard(QByteArray block) {
    auto* data = new QMimeData;
    data->setData(ClipboardMimeType(), std::move(block));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<QByteArray> GetBlockFromClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(ClipboardMimeType()))
        return std::nullopt;
    return data->data(ClipboardMimeType());
}
