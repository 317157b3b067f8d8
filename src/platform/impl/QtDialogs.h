#pragma once
#include "Dialogs.h"

namespace lexaroo {

class QtDialogs : public Dialogs {
public:
    MsgAnswer MsgBox(const QString& text, const QString& title, MsgIcon icon,
                     MsgButtons buttons, MsgAnswer defaultButton) override;
    QString OpenFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString SaveFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override;
};

} // namespace lexaroo
