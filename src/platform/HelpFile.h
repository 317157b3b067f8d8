#pragma once
#include <QIODevice>
#include <QMap>
#include <QString>

namespace lexaroo {

// The help file is UTF-8 text made of topics. A topic starts with a line
//     @topic N Title
// and runs to the next such line; its body is HTML (paragraphs, lists, bold).
// Topic 0 is the contents page. Links between topics are written
// <a href="topic:N">...</a>. Lines before the first topic and lines starting
// with "@#" are comments. N is a whole number from 0 to kMaxHelpTopic; a
// topic line with any other number is left out, with its text.
constexpr int kMaxHelpTopic = 32767;

struct HelpTopic {
    int number = 0;
    QString title;
    QString html;
};

struct HelpFileContents {
    QMap<int, HelpTopic> topics;
    QString error; // set when the file could not be read
};

HelpFileContents ReadHelpFile(QIODevice& device);
HelpFileContents ReadHelpFile(const QString& path);

// Topic number of a "topic:N" link, or -1.
int TopicFromLink(const QString& link);

} // namespace lexaroo
