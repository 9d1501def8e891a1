// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the system has them: bytes, which need not be UTF-8. A name
// from the command line or a hand-over keeps its bytes inside a QString:
// each byte that is no part of valid UTF-8 stands as a lone surrogate
// U+DC80..U+DCFF (as Python's "surrogateescape" does), and turns back into
// that byte when the file is opened. Qt's own encodeName and decodeName
// would put U+FFFD in its place and lose the file.
#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

QString FileNameFromNative(const QByteArray& native);

// The bytes of a name made by FileNameFromNative, or UTF-8 for any other.
QByteArray NativeFileName(const QString& name);

// The name made absolute against the working folder, by its bytes (Qt's
// QFileInfo would pass it through encodeName and lose them).
QString AbsoluteFileName(const QString& name);

// The name for people: each byte that was no text shows as U+FFFD.
QString ShownFileName(const QString& name);

}  // namespace orvanta
