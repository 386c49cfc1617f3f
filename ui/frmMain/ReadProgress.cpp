#include "ReadProgress.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace grimlark::ui {

namespace {
/// Reading that is still going after this long shows its progress.
constexpr int kProgressDelayMs = 500;
} // namespace

bool ReadProgressDialog::operator()(std::uint64_t done, std::uint64_t total)
{
    if (!m_dialog && m_clock.elapsed() >= kProgressDelayMs && editorOpen()) {
        m_dialog =
            new QProgressDialog(QStringLiteral("Reading %1").arg(QFileInfo(m_path).fileName()),
                                QStringLiteral("Cancel"), 0, 1000, m_editor);
        m_dialog->setObjectName(QStringLiteral("dlgProgress"));
        m_dialog->setWindowTitle(QStringLiteral("Grimlark"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
    }
    if (m_dialog)
        m_dialog->setValue(total ? int(done * 1000 / total) : 0);
    QCoreApplication::processEvents(m_dialog ? QEventLoop::AllEvents
                                             : QEventLoop::ExcludeUserInputEvents);
    return editorOpen() && !(m_dialog && m_dialog->wasCanceled());
}

} // namespace grimlark::ui
