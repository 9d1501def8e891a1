// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"

#include <QDir>
#include <cstdlib>
#include <unistd.h>

namespace orvanta {

namespace {

constexpr char16_t kFirstEscape = 0xDC80;  // stands for byte 0x80; 0xDCFF for 0xFF

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the start, or 0: no
// overlong forms, no surrogates, nothing past U+10FFFF.
qsizetype SequenceLength(const unsigned char* s, qsizetype left)
{
    const unsigned char lead = s[0];
    if (lead < 0x80) {
        return 1;
    }
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (left < length || s[1] < low || s[1] > high) {
        return 0;
    }
    for (qsizetype i = 2; i < length; ++i) {
        if (!IsContinuation(s[i])) {
            return 0;
        }
    }
    return length;
}

bool IsEscape(char16_t unit)
{
    return unit >= kFirstEscape && unit <= kFirstEscape + 0x7F;
}

}  // namespace

QString FileNameFromNative(const QByteArray& native)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(native.constData());
    const qsizetype size = native.size();
    QString name;
    name.reserve(size);
    qsizetype textStart = 0;
    qsizetype at = 0;
    while (at < size) {
        const qsizetype length = SequenceLength(bytes + at, size - at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(native.constData() + textStart, at - textStart);
        name += QChar(static_cast<char16_t>(kFirstEscape + (bytes[at] - 0x80)));
        textStart = ++at;
    }
    name += QString::fromUtf8(native.constData() + textStart, size - textStart);
    return name;
}

QByteArray NativeFileName(const QString& name)
{
    QByteArray native;
    native.reserve(name.size());
    qsizetype textStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name.at(at).unicode();
        if (QChar::isHighSurrogate(unit) && at + 1 < name.size() && name.at(at + 1).isLowSurrogate()) {
            ++at;  // a pair is a character, even where its second half looks like an escape
            continue;
        }
        if (IsEscape(unit)) {
            native += QStringView(name).mid(textStart, at - textStart).toUtf8();
            native += static_cast<char>(0x80 + (unit - kFirstEscape));
            textStart = at + 1;
        }
    }
    native += QStringView(name).mid(textStart).toUtf8();
    return native;
}

QString AbsoluteFileName(const QString& name)
{
    if (name.startsWith(QLatin1Char('/'))) {
        return QDir::cleanPath(name);
    }
    char* folder = ::getcwd(nullptr, 0);
    const QString here = folder != nullptr ? FileNameFromNative(QByteArray(folder)) : QString();
    std::free(folder);
    return QDir::cleanPath(here + QLatin1Char('/') + name);
}

QString ShownFileName(const QString& name)
{
    QString shown = name;
    for (qsizetype at = 0; at < shown.size(); ++at) {
        const char16_t unit = shown.at(at).unicode();
        if (QChar::isHighSurrogate(unit) && at + 1 < shown.size() && shown.at(at + 1).isLowSurrogate()) {
            ++at;
        } else if (IsEscape(unit)) {
            shown[at] = QChar::ReplacementCharacter;
        }
    }
    return shown;
}

}  // namespace orvanta
