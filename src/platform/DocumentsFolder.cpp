#include "DocumentsFolder.h"

#include <QDir>
#include <QStandardPaths>

QString UserDocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}
