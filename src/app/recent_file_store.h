#pragma once

#include <QObject>
#include <QString>

#include "app/recent_file_list.h"

class QSettings;

// The recent-file list of the File menu, kept in the settings store under
// "Recent File List" (File1 the newest to File4). GUI thread only.
class RecentFileStore : public QObject {
    Q_OBJECT
  public:
    // Reads the list from `settings`, which must outlive the store.
    explicit RecentFileStore(QSettings& settings);

    [[nodiscard]] const orvel::RecentFileList& list() const { return list_; }
    // Each change is stored at once.
    void Add(const QString& path);
    void Remove(const QString& path);

  signals:
    void changed();

  private:
    void Save();

    QSettings& settings_;
    orvel::RecentFileList list_;
};
