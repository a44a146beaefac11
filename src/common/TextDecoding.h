#pragma once

#include <QByteArrayView>
#include <QString>

// Decoders for the encodings that GEDCOM files and Torvex files arrive in. None of them fails:
// the strict UTF-8 decoder answers an ill-formed input with an empty text.

// Windows-1252, the ANSI code page on every machine; its five unassigned bytes map to C1 controls.
QString DecodeWindows1252(QByteArrayView bytes);

// Well-formed UTF-8 only: any overlong form, surrogate, value above U+10FFFF or cut-off
// sequence makes the whole text empty.
QString DecodeUtf8Strict(QByteArrayView bytes);

// The length of the well-formed UTF-8 sequence that starts at bytes[i], with the code point it
// stands for; 0 when none starts there.
int Utf8SequenceAt(QByteArrayView bytes, qsizetype i, char32_t& codePoint);

// Two bytes per code unit; an odd last byte is dropped.
QString DecodeUtf16LE(QByteArrayView bytes);
QString DecodeUtf16BE(QByteArrayView bytes);

enum class ByteOrderMark { None, Utf16LE, Utf16BE, Utf8 };

// FF FE, then FE FF, then EF BB BF; the first that matches decides.
ByteOrderMark DetectByteOrderMark(QByteArrayView bytes);
int ByteOrderMarkLength(ByteOrderMark mark);

// Decodes by the mark, skipping it; Windows-1252 when there is none.
QString DecodeByMark(QByteArrayView bytes);

// Decodes the bytes that follow a mark, in the mark's encoding (Windows-1252 for none).
QString DecodeAfterMark(QByteArrayView body, ByteOrderMark mark);
