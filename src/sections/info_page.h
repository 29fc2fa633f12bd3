// The information page of a section window (pic<Emu>Info): the rows of captions and values that
// the section's design row lists, filled from the data file for the game shown.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/section.h"

class QLabel;

namespace arvok {

class DataFiles;

class InfoPage : public QWidget {
public:
    InfoPage(Emu emu, DataFiles& files, QWidget* window);
    // Shows the data file's information on "game"; every value is emptied for a game it lacks.
    void showGame(const std::string& game);

private:
    Emu emu_;
    DataFiles& files_;
    std::vector<QLabel*> values_; // by InfoItem
};

} // namespace arvok
