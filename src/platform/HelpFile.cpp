#include "HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace lexaroo {

namespace {

// The number of a "@topic N Title" line: digits only, in range, followed by
// the title or nothing; -1 for anything else.
int TopicNumber(const QString& field)
{
    if (field.isEmpty() || field.size() > 5)
        return -1;
    int n = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n <= kMaxHelpTopic ? n : -1;
}

} // namespace

HelpFileContents ReadHelpFile(QIODevice& device)
{
    HelpFileContents result;
    QTextStream in(&device);
    in.setEncoding(QStringConverter::Utf8);
    static const QRegularExpression header(QStringLiteral("^@topic(?=\\s|$)\\s*(\\S*)\\s*(.*)$"));
    HelpTopic* current = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("@#")))
            continue;
        const auto match = header.match(line);
        if (match.hasMatch()) {
            const int number = TopicNumber(match.captured(1));
            if (number < 0) {
                // A topic whose number cannot be read is left out whole:
                // taken as some other number it would replace that topic,
                // and its text does not belong to the topic before it.
                current = nullptr;
                continue;
            }
            HelpTopic topic;
            topic.number = number;
            topic.title = match.captured(2).trimmed();
            current = &(result.topics[number] = topic);
            continue;
        }
        if (current) {
            current->html += line;
            current->html += QLatin1Char('\n');
        }
    }
    return result;
}

HelpFileContents ReadHelpFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        HelpFileContents result;
        result.error = QStringLiteral("The help file %1 could not be opened: %2")
                           .arg(path, file.errorString());
        return result;
    }
    return ReadHelpFile(file);
}

int TopicFromLink(const QString& link)
{
    if (!link.startsWith(QLatin1String("topic:")))
        return -1;
    bool ok = false;
    const int n = link.mid(6).toInt(&ok);
    return ok && n >= 0 && n <= kMaxHelpTopic ? n : -1;
}

} // namespace lexaroo
