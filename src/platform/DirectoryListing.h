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
    qint64 lastWriteMs = 0; // milliseconds since 1970-01-01 UTC
};

// The entries of one folder in the order the file system gives them, without "." and "..",
// read one at a time (nothing is collected or sorted). A folder that cannot be listed yields
// no entries. The listing is closed when the object goes.
class DirectoryListing {
public:
    explicit DirectoryListing(const QString& folder);
    // The subfolder name of an open listing's folder, opened relative to it: no path length
    // limit applies, however deep the tree.
    DirectoryListing(const DirectoryListing& parent, const QString& name);
    ~DirectoryListing();
    DirectoryListing(DirectoryListing&&) noexcept;
    DirectoryListing& operator=(DirectoryListing&&) noexcept;
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    bool isOpen() const;
    // The next entry's name and, where the listing knows it cheaply, its kind.
    bool next(ListingEntry& entry);
    // Looks the entry up (following a link to a file): fills kind, size and last-write time.
    // False when it vanished or is a broken link.
    bool describe(ListingEntry& entry) const;
    // Opens the entry for reading (following a link), fills kind, size and last-write time from
    // the open file, and when it is a regular file reads up to capacity bytes in one read (a
    // failed read counts as zero bytes) into buffer. Returns the byte count, or -1 when the
    // entry is not a regular file. Raises FileAccessError when it cannot be opened.
    qint64 openAndReadStart(ListingEntry& entry, char* buffer, qint64 capacity) const;
    // Whether name, in this folder, is a regular file (following a link).
    bool containsFile(const QString& name) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
