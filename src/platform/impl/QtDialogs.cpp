#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace lexaroo {

namespace {
QMessageBox::StandardButton ToButton(MsgAnswer a)
{
    switch (a) {
    case MsgAnswer::Ok: return QMessageBox::Ok;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}
} // namespace

MsgAnswer QtDialogs::MsgBox(const QString& text, const QString& title, MsgIcon icon,
                            MsgButtons buttons, MsgAnswer defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    box.setDefaultButton(ToButton(defaultButton));
    const int result = box.exec();
    switch (result) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default:
        // Closed by the window manager: the safe answer.
        return buttons == MsgButtons::YesNo ? MsgAnswer::No
               : buttons == MsgButtons::OkCancel ? MsgAnswer::Cancel
                                                 : MsgAnswer::Ok;
    }
}

QString QtDialogs::OpenFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtDialogs::SaveFileName(const QString& title, const QString& proposedPath,
                                const QString& filter)
{
    // QFileDialog asks before replacing an existing file.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposedPath, filter);
}

} // namespace lexaroo
