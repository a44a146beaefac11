#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

// What a listing tells about one entry before it is looked at more closely.
enum class EntryKind {
    File,       // a regular file, or a link to one
    Folder,     // a real folder (never a link to one)
    FolderLink, // a link to a folder: not entered, so link loops cannot trap a walk
    Other,      // FIFO, socket, device: treated as a system entry and never opened
    Unknown,    // the listing did not say; describe() finds out
};

struct ListingEntry {
    QString name;
    EntryKind kind = EntryKind::Unknown;
    qint64 size = 0;
    QDateTime lastWrite; // local time
};

// The entries of one folder in the order the file system gives them, without "." and "..",
// read one at a time (nothing is collected or sorted). A folder that cannot be listed yields
// no entries. The listing is closed when the object goes.
class DirectoryListing {
public:
    explicit DirectoryListing(const QString& folder);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    bool isOpen() const;
    // The next entry's name and, where the listing knows it cheaply, its kind.
    bool next(ListingEntry& entry);
    // Looks the entry up (following a link to a file): fills kind, size and last-write time.
    // False when it vanished or is a broken link.
    bool describe(ListingEntry& entry) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
