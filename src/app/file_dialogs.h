#pragma once
// The open and save dialogs, the choice of a game in a file of several, and the desktop's
// own programs for a file, behind one interface, so that tests answer them without showing
// anything.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "record/game_summary.h"

class QWidget;

namespace kelvara {

// The open dialog's filters, from the table of formats: "可打开的棋谱(*.che *.CHE …)", then
// one per format ("QQ棋谱(*.che *.CHE)"). Extensions are offered in lower and upper case.
QStringList record_filters();

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The record file the user chose, or an empty string when the dialog was cancelled.
    virtual QString record_to_open(QWidget* parent) = 0;
    // Where the board picture goes, as a BMP or a PNG file (the suffix of the type chosen
    // added when the name has none), or an empty string when the dialog was cancelled.
    virtual QString picture_to_save(QWidget* parent) = 0;
    // Opens a file or a folder in the program the desktop has for it (the file manager,
    // the picture viewer); false when there is none.
    virtual bool open_externally(const QString& path) = 0;
    // Which of a file's games to open (from 0), or nullopt when the user cancelled.
    virtual std::optional<int> game_to_open(QWidget* parent, const std::vector<GameSummary>& games) = 0;
    // Where the game goes as PGN (with .pgn added when the name has no suffix), offered
    // under suggested_name; an empty string when the dialog was cancelled.
    virtual QString pgn_to_save(QWidget* parent, const QString& suggested_name) = 0;
    // The analysis engine's program file, or an empty string when cancelled.
    virtual QString program_to_open(QWidget* parent) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString record_to_open(QWidget* parent) override;
    QString picture_to_save(QWidget* parent) override;
    bool open_externally(const QString& path) override;
    std::optional<int> game_to_open(QWidget* parent, const std::vector<GameSummary>& games) override;
    QString pgn_to_save(QWidget* parent, const QString& suggested_name) override;
    QString program_to_open(QWidget* parent) override;
};

}  // namespace kelvara
