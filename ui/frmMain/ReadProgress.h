#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <cstdint>
#include <utility>

namespace grimlark::ui {

/// The read's progress callback: keeps the window thread answering signals and
/// shows a progress dialog with Cancel once the read has taken a while. It stops
/// the read when the user cancels or the editor is closing (the program is
/// ending). Before the dialog shows, only non-input events are handled, so the
/// editor cannot be used meanwhile.
class ReadProgressDialog {
public:
    ReadProgressDialog(QWidget *editor, QString path) : m_editor(editor), m_path(std::move(path))
    {
        m_clock.start();
    }
    ~ReadProgressDialog() { delete m_dialog.data(); }
    ReadProgressDialog(const ReadProgressDialog &) = delete;
    ReadProgressDialog &operator=(const ReadProgressDialog &) = delete;

    /// The reader's progress callback (see grimlark::ReadProgress).
    bool operator()(std::uint64_t done, std::uint64_t total);

private:
    bool editorOpen() const { return m_editor && m_editor->isVisible(); }

    QPointer<QWidget> m_editor;
    QString m_path;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_dialog;
};

} // namespace grimlark::ui
