// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Text.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace grimlark::ui {

QString fromUtf8(std::string_view text)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
}

std::string toUtf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

QString decodeLegacy(std::string_view bytes, const grimlark::LegacyEncoding &encoding)
{
    const auto size = qsizetype(bytes.size());
    if (&encoding == &grimlark::latin1())
        return QString::fromLatin1(bytes.data(), size);
#ifdef Q_OS_WIN
    if (bytes.empty())
        return {};
    const int wide = MultiByteToWideChar(encoding.codePage, 0, bytes.data(), int(size), nullptr, 0);
    if (wide > 0) {
        QString text(wide, Qt::Uninitialized);
        MultiByteToWideChar(encoding.codePage, 0, bytes.data(), int(size),
                            reinterpret_cast<wchar_t *>(text.data()), wide);
        return text;
    }
#else
    QStringDecoder decoder(encoding.icuName, QStringConverter::Flag::ConvertInitialBom);
    if (decoder.isValid())
        return decoder.decode(QByteArrayView(bytes.data(), size));
#endif
    return QString::fromLatin1(bytes.data(), size);
}

std::optional<std::string> encodeLegacy(std::string_view text,
                                        const grimlark::LegacyEncoding &encoding)
{
    const QString wanted = fromUtf8(text);
    QByteArray bytes;
    if (&encoding == &grimlark::latin1()) {
        bytes = wanted.toLatin1();
    } else {
#ifdef Q_OS_WIN
        const auto *wide = reinterpret_cast<const wchar_t *>(wanted.utf16());
        const int size = WideCharToMultiByte(encoding.codePage, 0, wide, int(wanted.size()),
                                             nullptr, 0, nullptr, nullptr);
        if (size > 0) {
            bytes.resize(size);
            WideCharToMultiByte(encoding.codePage, 0, wide, int(wanted.size()), bytes.data(), size,
                                nullptr, nullptr);
        }
#else
        QStringEncoder encoder(encoding.icuName);
        if (!encoder.isValid())
            return std::nullopt;
        bytes = encoder.encode(wanted);
#endif
    }
    // A converter puts a stand-in for what it cannot write: only bytes that
    // give the text back are the text. A U+FFFD would come back from the
    // undefined bytes written for it too (ICU writes Shift-JIS FCFC, EUC-JP
    // F4FE): it is written only where it is a character of the encoding.
    std::string result(bytes.constData(), std::size_t(bytes.size()));
    if (decodeLegacy(result, encoding) != wanted ||
        (!encoding.holdsReplacement && wanted.contains(QChar::ReplacementCharacter)))
        return std::nullopt;
    return result;
}

const grimlark::LegacyEncoding *preferredEncoding()
{
#ifdef Q_OS_WIN
    const grimlark::LegacyEncoding *ansi = grimlark::legacyEncodingOfCodePage(GetACP());
    return ansi && ansi->codePage != 1252 ? ansi : nullptr;
#else
    return nullptr;
#endif
}

bool decodesStrictly(std::string_view bytes, const grimlark::LegacyEncoding &encoding)
{
#ifdef Q_OS_WIN
    return bytes.empty() || MultiByteToWideChar(encoding.codePage, MB_ERR_INVALID_CHARS,
                                                bytes.data(), int(bytes.size()), nullptr, 0) > 0;
#else
    Q_UNUSED(bytes);
    Q_UNUSED(encoding);
    return false;
#endif
}

QString usageForMessageBox(const QString &helpText)
{
    // An option's line starts with two blanks, its description after a run of
    // blanks; deeper-indented lines go on with the description.
    static const QRegularExpression nonBlank(QStringLiteral("\\S"));
    static const QRegularExpression option(QStringLiteral("^  (\\S.*?)(?: {2,}(\\S.*))?$"));
    QStringList out;
    bool described = true; // whether the last option has its description yet
    for (const QString &line : helpText.split(QLatin1Char('\n'))) {
        const qsizetype indent = line.indexOf(nonBlank);
        if (indent < 0) {
            out.append(QString());
        } else if (indent == 2) {
            const QRegularExpressionMatch item = option.match(line);
            if (!out.isEmpty() && !out.constLast().isEmpty() &&
                !out.constLast().endsWith(QLatin1Char(':')))
                out.append(QString());
            out.append(item.captured(1));
            described = item.hasCaptured(2);
            if (described)
                out.last() += QStringLiteral(" \u2014 ") + item.captured(2);
        } else if (indent > 2 && !out.isEmpty() && !out.constLast().isEmpty()) {
            out.last() +=
                (described ? QStringLiteral(" ") : QStringLiteral(" \u2014 ")) + line.mid(indent);
            described = true;
        } else {
            out.append(line);
        }
    }
    while (!out.isEmpty() && out.constLast().isEmpty())
        out.removeLast();
    return out.join(QLatin1Char('\n'));
}

} // namespace grimlark::ui
