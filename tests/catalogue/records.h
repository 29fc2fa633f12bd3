// Data-file lines for the catalogue tests.
#pragma once

#include <string>

namespace arvok::test {

struct Rec {
    std::string name;
    std::string set;
    std::string type = "O";
    std::string parent = "-";
    std::string genre = "Maze";
    std::string maker = "Namco";
    std::string year = "1980";

    // The 21 fields, each followed by ";"; fields 8 to 21 read "f8" ... "f21".
    std::string line() const {
        std::string out = name + ";" + set + ";" + type + ";" + parent + ";" + genre + ";" + maker +
                          ";" + year + ";";
        for (int i = 8; i <= 21; ++i)
            out += "f" + std::to_string(i) + ";";
        return out;
    }
};

} // namespace arvok::test
