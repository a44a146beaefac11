#include "WholeText.h"

#include "NativeFile.h"
#include "TextDecoding.h"

QString ReadWholeText(const QString& path) {
    return DecodeByMark(ReadFileUpTo(path, kWholeTextReadLimit));
}
