#include "display/Indicators.h"

namespace pomelo {

void SetIndicators(LcdPictures &lcd, const IndicatorRow &row) {
    for (int index = 0; index < IndicatorCount; ++index) {
        if (row[index] != Show::Keep)
            lcd.Picture5[index].Visible = row[index] == Show::Shown;
    }
}

void InvertIndicator(LcdPictures &lcd, int index) {
    lcd.Picture5[index].Visible = !lcd.Picture5[index].Visible;
}

} // namespace pomelo
