#include "config/WorkingValues.h"

namespace fw {

WorkingValues ReadWorkingValues(const Settings& settings) {
    WorkingValues values;
    values.viewOrient = settings.ViewOrient();
    values.crossMarked = settings.CrossMarked();
    values.fourViews = settings.FourViewLayout();
    values.pmoveMode = settings.PmoveMode();
    values.isoMode = settings.IsoMode();
    values.moveRateIndex = settings.MoveRateIndex();
    values.moveRate = MoveRateTable[values.moveRateIndex].value;
    for (int view = 0; view < 3; ++view) {
        values.grid[view] = settings.GridIndex(view);
        values.snap[view] = settings.SnapIndex(view);
    }
    return values;
}

}  // namespace fw
