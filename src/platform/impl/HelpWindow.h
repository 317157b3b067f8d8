#pragma once
#include "Help.h"
#include "HelpFile.h"

#include <QWidget>

class QTextBrowser;

namespace lexaroo {

// The program's help viewer: one window showing a topic of the help file,
// with links between topics. The file is read again each time it is opened,
// so a missing file is reported in the window, never as a failure.
class HelpWindow : public QWidget, public Help {
    Q_OBJECT
public:
    explicit HelpWindow(QString helpFilePath, QWidget* parent = nullptr);

    void ShowContents() override;
    void ShowTopic(int topic) override;

    int CurrentTopic() const { return current_; }
    QString CurrentHtml() const;

private:
    void Display(int topic);

    QString path_;
    QTextBrowser* browser_;
    HelpFileContents contents_;
    int current_ = -1;
};

} // namespace lexaroo
