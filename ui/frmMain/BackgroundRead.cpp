// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "BackgroundRead.h"

#include "ui/common/DatabaseRead.h"

#include "ui/common/FileNames.h"
#include "ui/common/ItemFiles.h"
#include "ui/common/Platform.h"
#include "ui/common/Text.h"

#include <QMetaObject>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <system_error>
#include <thread>

namespace grimlark::ui {

namespace {
/// What a list view needs to lay out a line (its position and size), asked
/// for before the lines are listed so that listing them cannot fail half-way.
constexpr std::size_t kViewBytesPerLine = 48;
} // namespace

/// What the reading thread and the window share; the thread keeps it alive.
struct BackgroundRead::Shared {
    std::mutex mutex;
    BackgroundRead *owner = nullptr; ///< null once abandoned; guarded by mutex
    std::atomic<bool> cancel{false};
    std::atomic<std::uint64_t> done{0}, total{0};
    ReadResult result; ///< set by the thread before it tells the owner
    DatabaseFile file;
    const LegacyEncoding *encoding = nullptr;
    std::shared_ptr<const ItemDatabase> items;
};

BackgroundRead::BackgroundRead(const QString &path, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()), m_path(path)
{
    m_shared->owner = this;
    auto work = [shared = m_shared, path, native = nativePath(path),
                 read = Platform::current().databaseReader()] {
        // The whole read here, not on the window thread: the encoding test
        // decodes every line that is not UTF-8, and the room for the list is
        // asked for now so that listing cannot fail half-way.
        ReadDatabase database =
            readDatabase(native, read, [&shared](std::uint64_t done, std::uint64_t total) {
                shared->done = done;
                shared->total = total;
                return !shared->cancel.load();
            });
        if (database.result.status == ReadStatus::Done &&
            !haveRoomFor(database.file.lines() * kViewBytesPerLine))
            database = ReadDatabase{{ReadStatus::TooLarge, ENOMEM}, DatabaseFile(), nullptr, false};
        // The items its drops name, where its server keeps them beside it.
        std::shared_ptr<const ItemDatabase> items;
        if (database.result.status == ReadStatus::Done)
            if (ReadItems beside = readItemFiles(itemFilesBeside(path, database.kind));
                !beside.items.empty())
                items = std::make_shared<const ItemDatabase>(std::move(beside.items));
        ReadResult result = database.result;
        DatabaseFile file = std::move(database.file);
        const LegacyEncoding *encoding = database.encoding;
        const std::lock_guard<std::mutex> lock(shared->mutex);
        if (!shared->owner)
            return; // abandoned: the file goes with this thread
        shared->result = result;
        shared->file = std::move(file);
        shared->encoding = encoding;
        shared->items = std::move(items);
        BackgroundRead *owner = shared->owner;
        // Posted to the owner: dropped by Qt if the owner is deleted before it runs.
        QMetaObject::invokeMethod(
            owner, [owner] { emit owner->finished(); }, Qt::QueuedConnection);
    };
    try {
        std::thread(std::move(work)).detach();
    } catch (const std::system_error &) {
        m_shared->result = {ReadStatus::ReadFailed, EAGAIN}; // no thread to be had
        QMetaObject::invokeMethod(
            this, [this] { emit finished(); }, Qt::QueuedConnection);
    }
}

BackgroundRead::~BackgroundRead()
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    m_shared->owner = nullptr;
    m_shared->cancel = true; // a read that still runs stops at its next piece
}

int BackgroundRead::perMille() const
{
    const std::uint64_t total = m_shared->total;
    return total ? int(m_shared->done * 1000 / total) : 0;
}

ReadResult BackgroundRead::result() const
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->result;
}

const LegacyEncoding *BackgroundRead::encoding() const
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->encoding;
}

std::shared_ptr<const ItemDatabase> BackgroundRead::items() const
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->items;
}

DatabaseFile BackgroundRead::takeFile()
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    return std::move(m_shared->file);
}

} // namespace grimlark::ui
