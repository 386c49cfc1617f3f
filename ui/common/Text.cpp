// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Text.h"

#include <QStringDecoder>

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

} // namespace grimlark::ui
