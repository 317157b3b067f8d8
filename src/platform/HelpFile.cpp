#include "HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace lexaroo {

HelpFileContents ReadHelpFile(QIODevice& device)
{
    HelpFileContents result;
    QTextStream in(&device);
    in.setEncoding(QStringConverter::Utf8);
    static const QRegularExpression header(QStringLiteral("^@topic\\s+(\\d+)\\s*(.*)$"));
    HelpTopic* current = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("@#")))
            continue;
        const auto match = header.match(line);
        if (match.hasMatch()) {
            const int number = match.captured(1).toInt();
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
    return ok && n >= 0 ? n : -1;
}

} // namespace lexaroo
