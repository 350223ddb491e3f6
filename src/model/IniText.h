#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QVariantMap>

// The settings file's text, read and written here rather than by QSettings,
// whose reader decodes "@Variant(...)" values with QDataStream and so lets a
// file choose allocation sizes and recursion depth. Values are kept in the
// forms QSettings writes, so files of earlier versions read the same, and
// any text is read as QSettings' own reader reads it: lines end in CR, LF or
// both, a leading byte-order mark is skipped, ';' starts a comment wherever it
// is not quoted, and a line of text without '=' is a comment if it starts
// with '#'.
//
// Keys of the [General] group are the bare key; others are "Group/key".
// Read values are texts, byte strings ("@ByteArray(...)") and rectangles
// ("@Rect(x y w h)"); any other form is left out.
namespace IniText {

struct Reading {
    QVariantMap values;
    // Something in the text was left out: a form above, a list, a malformed
    // line, a group or key written by someone else. Such a file is worth
    // keeping a copy of.
    bool leftSomethingOut = false;
};

// Any text reads: what QSettings would report as a format error (a line that
// is neither a group, a key and value, a comment nor blank) is skipped, as it
// does, and counts as left out.
Reading read(QByteArrayView text);

// Texts, byte strings and rectangles; other values are not written.
QByteArray write(const QVariantMap &values);

} // namespace IniText
