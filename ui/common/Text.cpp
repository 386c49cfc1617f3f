// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Text.h"

#include <QStringDecoder>

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

} // namespace grimlark::ui
