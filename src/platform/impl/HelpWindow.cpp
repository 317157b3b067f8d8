#include "HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace lexaroo {

HelpWindow::HelpWindow(QString helpFilePath, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(std::move(helpFilePath)), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const int topic = TopicFromLink(url.toString());
        if (topic >= 0)
            Display(topic);
    });
}

void HelpWindow::ShowContents()
{
    contents_ = ReadHelpFile(path_);
    Display(0);
}

void HelpWindow::ShowTopic(int topic)
{
    contents_ = ReadHelpFile(path_);
    Display(topic);
}

void HelpWindow::Display(int topic)
{
    current_ = topic;
    QString html;
    QString title = QStringLiteral("Lexaroo Help");
    if (!contents_.error.isEmpty()) {
        html = QStringLiteral("<p>%1</p>").arg(contents_.error.toHtmlEscaped());
    } else if (!contents_.topics.contains(topic)) {
        html = QStringLiteral("<p>There is no help on this subject.</p>"
                              "<p><a href=\"topic:0\">Contents</a></p>");
    } else {
        const HelpTopic& t = contents_.topics[topic];
        title += QStringLiteral(" - ") + t.title;
        html = QStringLiteral("<h2>%1</h2>").arg(t.title.toHtmlEscaped()) + t.html;
        if (topic != 0 && contents_.topics.contains(0))
            html += QStringLiteral("<p><a href=\"topic:0\">Back to the contents</a></p>");
    }
    setWindowTitle(title);
    browser_->setHtml(html);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::CurrentHtml() const { return browser_->toHtml(); }

} // namespace lexaroo
