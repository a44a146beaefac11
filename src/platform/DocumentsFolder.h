#pragma once

#include <QString>

// The user's documents folder as the desktop names it, without creating it; empty when the
// platform names none.
QString UserDocumentsFolder();
