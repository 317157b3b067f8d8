#include "SettingsFile.h"

#include "DelimitedText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <iterator>

namespace lexaroo {

namespace {

struct Setting {
    std::int16_t GameState::*member;
    int low;
    int high;
};

// In file order. The ranges are those the windows can show; anything else
// means the file was damaged or written by something else.
constexpr Setting kSettings[] = {
    {&GameState::BuiltInCase, 1, 2},
    {&GameState::BuiltInGrade, 0, 6},
    {&GameState::BuiltInList, 1, 10},
    {&GameState::BeeShowWord, 0, 1},
    {&GameState::GameSpeed, 0, 20},
    {&GameState::HatSayWord, 0, 1},
};

} // namespace

namespace {

QString ProgramSettingsPath(const GameState& state)
{
    return state.AppFolder + QStringLiteral("lexaroo5.ini");
}

// Whether files can really be made in a folder (permission bits say little
// to root or on a read-only file system).
bool CanWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("lexaroo-XXXXXX.tmp")));
    return probe.open();
}

} // namespace

QString UserSettingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("lexaroo/lexaroo5.ini"));
}

QString SettingsPath(const GameState& state)
{
    // An installed program's folder belongs to the system: the user's own
    // settings then live in their configuration folder.
    if (QFileInfo(state.AppFolder).isDir() && !CanWriteIn(state.AppFolder))
        return UserSettingsPath();
    return ProgramSettingsPath(state);
}

void ReadSettings(GameState& state)
{
    QString path = SettingsPath(state);
    if (path != ProgramSettingsPath(state) && !QFile::exists(path))
        path = ProgramSettingsPath(state); // the settings installed with the program
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SetDefaultSettings();
        return;
    }
    DelimitedReader reader(file);
    std::int16_t values[std::size(kSettings)];
    for (std::size_t i = 0; i < std::size(kSettings); ++i) {
        if (!reader.ReadNumber(values[i]) || values[i] < kSettings[i].low
            || values[i] > kSettings[i].high) {
            state.SetDefaultSettings();
            return;
        }
    }
    for (std::size_t i = 0; i < std::size(kSettings); ++i)
        state.*kSettings[i].member = values[i];
}

bool WriteSettings(const GameState& state, QString* error)
{
    DelimitedWriter writer;
    writer.Number(state.BuiltInCase);
    writer.Number(state.BuiltInGrade);
    writer.Number(state.BuiltInList);
    writer.EndLine();
    writer.Number(state.BeeShowWord);
    writer.EndLine();
    writer.Number(state.GameSpeed);
    writer.EndLine();
    writer.Number(state.HatSayWord);
    writer.EndLine();

    const QString path = SettingsPath(state);
    if (path != ProgramSettingsPath(state))
        QDir().mkpath(QFileInfo(path).absolutePath());
    QString reason;
    if (SaveFileSafely(path, writer.Bytes(), &reason))
        return true;
    if (error) {
        *error = QStringLiteral("The settings could not be saved in the file %1: %2.")
                     .arg(QuotedPath(path), reason);
    }
    return false;
}

} // namespace lexaroo
