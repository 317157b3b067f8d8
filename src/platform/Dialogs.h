#pragma once
#include <QString>

namespace lexaroo {

enum class MsgIcon { Information, Exclamation, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// Modal message boxes and file dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer MsgBox(const QString& text, const QString& title, MsgIcon icon,
                             MsgButtons buttons = MsgButtons::Ok,
                             MsgAnswer defaultButton = MsgAnswer::Ok) = 0;
    // Empty string when cancelled. `filter` like "Word Lists (*.bsl)".
    virtual QString OpenFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // Asks before replacing an existing file. Empty string when cancelled.
    virtual QString SaveFileName(const QString& title, const QString& proposedPath,
                                 const QString& filter) = 0;
};

} // namespace lexaroo
