// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileOpener.h"

#include "BackgroundRead.h"
#include "ReadProgress.h"
#include "ui/common/Text.h"

#include <QTimer>
#include <QWidget>

namespace grimlark::ui {

FileOpener::FileOpener(QWidget *window)
    : QObject(window), m_window(window), m_progressTimer(new QTimer(this))
{
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, &FileOpener::showProgress);
}

FileOpener::~FileOpener()
{
    abandon();
}

void FileOpener::open(const QString &path, bool reload)
{
    m_waiting.append({path, reload});
    readNext();
}

bool FileOpener::isBusy() const
{
    return m_read || m_handing || !m_waiting.isEmpty();
}

void FileOpener::abandon()
{
    m_waiting.clear();
    m_progressTimer->stop();
    delete m_read.data(); // its thread ends on its own; nothing it read is kept
    delete m_progress.data();
}

void FileOpener::drop(const QString &path)
{
    m_waiting.removeIf([&path](const Asked &asked) { return asked.path == path; });
    if (m_read && m_read->path() == path)
        cancel();
}

void FileOpener::readNext()
{
    // A file asked for while the last one is handed over (its message open)
    // waits, rather than starting a second read under the message.
    if (m_read || m_handing || m_waiting.isEmpty())
        return;
    const Asked next = m_waiting.takeFirst();
    m_read = new BackgroundRead(next.path, this);
    m_reload = next.reload;
    connect(m_read, &BackgroundRead::finished, this, &FileOpener::readDone);
    m_clock.start();
    m_progressTimer->start();
}

void FileOpener::showProgress()
{
    // A read still going after half a second shows how far it is, with Cancel,
    // whether or not bytes arrive.
    constexpr int kProgressDelayMs = 500;
    if (!m_read || m_clock.elapsed() < kProgressDelayMs || !m_window)
        return;
    if (!m_progress) {
        m_progress = new ReadProgressDialog(m_read->path(), m_window);
        connect(m_progress, &QDialog::rejected, this, &FileOpener::cancel);
        m_progress->show();
    }
    m_progress->setPerMille(m_read->perMille());
}

void FileOpener::cancel()
{
    // This file's read is abandoned at once, even one stuck inside the system;
    // the files waiting behind it are read next, as they were asked for.
    m_progressTimer->stop();
    delete m_read.data();
    if (m_progress)
        m_progress->deleteLater();
    QTimer::singleShot(0, this, &FileOpener::readNext);
}

void FileOpener::readDone()
{
    m_progressTimer->stop();
    delete m_progress.data();
    // Everything of the read is taken before anything is told: what the
    // receiver does (a message box, the program's end) finds no read to touch.
    auto file = std::make_shared<OpenedFile>();
    file->path = m_read->path();
    const ReadResult result = m_read->result();
    file->lines = m_read->takeFile();
    file->encoding = m_read->encoding();
    file->items = m_read->items();
    file->reload = m_reload;
    delete m_read.data();

    const QPointer<FileOpener> self = this;
    m_handing = true;
    if (result.status == ReadStatus::Done)
        emit opened(file);
    else if (result.status != ReadStatus::Cancelled)
        emit refused(file->path, fromUtf8(describe(result)), failedWhileReading(result));
    if (!self)
        return; // the program was ended while a message was open
    m_handing = false;
    QTimer::singleShot(0, this, &FileOpener::readNext);
}

} // namespace grimlark::ui
