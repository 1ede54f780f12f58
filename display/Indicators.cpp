#include "display/Indicators.h"

namespace pomelo {

void SetIndicators(Effects &effects, const IndicatorRow &row) {
    for (int index = 0; index < IndicatorCount; ++index) {
        if (row[index] != Show::Keep)
            effects.setPictureVisible(PictureArray::Picture5, index, row[index] == Show::Shown);
    }
}

void InvertIndicator(Effects &effects, int index) {
    const bool shown = effects.isPictureVisible(PictureArray::Picture5, index);
    effects.setPictureVisible(PictureArray::Picture5, index, !shown);
}

} // namespace pomelo
