#include "app/recent_file_store.h"

#include <QSettings>

namespace {

constexpr int kRecentFileCount = 4;

QString Key(int number) {
    return QStringLiteral("File%1").arg(number);
}

}  // namespace

RecentFileStore::RecentFileStore(QSettings& settings)
    : settings_(settings), list_(kRecentFileCount) {
    settings_.beginGroup(QStringLiteral("Recent File List"));
    for (int i = kRecentFileCount; i >= 1; --i) {
        const QString path = settings_.value(Key(i)).toString();
        if (!path.isEmpty())
            list_.Add(path.toStdString());
    }
    settings_.endGroup();
}

void RecentFileStore::Add(const QString& path) {
    list_.Add(path.toStdString());
    Save();
}

void RecentFileStore::Remove(const QString& path) {
    list_.Remove(path.toStdString());
    Save();
}

void RecentFileStore::Save() {
    settings_.beginGroup(QStringLiteral("Recent File List"));
    const auto& entries = list_.entries();
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < static_cast<int>(entries.size())) {
            settings_.setValue(Key(i + 1), QString::fromStdString(entries[i]));
        } else {
            settings_.remove(Key(i + 1));
        }
    }
    settings_.endGroup();
    emit changed();
}
