// Prints the program's ten indicator pictures in index order, one row of '#'
// (dot) and '.' (ground) per line and a blank line after each picture. The
// real-X tests' LCD reader tells a shown indicator by its picture.

#include "display/IndicatorArt.h"
#include "state/PictureLayout.h"

#include <iostream>

int main() {
    for (int index = 0; index < pomelo::IndicatorCount; ++index) {
        for (const std::string &row : pomelo::IndicatorPicture(index).rows) {
            std::cout << row << '\n';
        }
        std::cout << '\n';
    }
}
